#pragma once
// The number-sequence task: five terms of an arithmetic sequence, one covered by the
// answer field. Start, step, gap and font follow the run's balance; the rules are plain
// functions, the exercise window shows the layout the generator describes.

#include "core/Generation.h"

#include <optional>

// What the balance s = right − wrong decides for a sequence task.
struct SequenceRules
{
    qint32 balance = 0;
    qint32 difficulty = 3;    // m: starts lie in 1..m²
    qint32 stepLimit = 6;     // steps lie in 1..stepLimit before sign and tenfold
    bool tenfoldPossible = false;
    bool gapAnywhere = false; // otherwise the fourth term is covered
    int fontSize = 16;
};

SequenceRules SequenceRulesFor(qint32 rightCount, qint32 wrongCount);

struct SequenceStart
{
    qint32 start = 0;
    qint32 step = 0;
};

// Draws start and step until all terms, and one more, are positive; start and step each
// differ from those of the previous draw when one is given.
SequenceStart DrawSequence(Random &random, const SequenceRules &rules,
                           const std::optional<SequenceStart> &previous);

// Position 1..5 of the covered term.
int DrawGapPosition(Random &random, const SequenceRules &rules);

inline constexpr int SequenceLength = 5;
inline qint32 SequenceTerm(const SequenceStart &sequence, int index)
{
    return sequence.start + index * sequence.step;
}

// The terms in decimal, four blanks between them; with `count` only the first terms and
// the blanks after them (the text in front of a later term).
QString SequenceText(const SequenceStart &sequence, int count = SequenceLength);

// The terms as assistive technology reads them: "Lücke" for the covered term at position
// gap (1..5), commas between the terms.
QString SequenceTextWithGap(const SequenceStart &sequence, int gap);

// Generator of kind 402 (the level is not used).
GeneratedTask Folgen(GenerationContext &context, int level);
