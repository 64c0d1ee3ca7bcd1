#include "generators/sequences/NumberSequences.h"

#include "core/Generation.h"

#include <QStringList>

namespace {

const FontSpec instructionFont{QStringLiteral("Comic Sans MS"), 14, false};
const QString termGap = QStringLiteral("    ");

} // namespace

SequenceRules SequenceRulesFor(qint32 rightCount, qint32 wrongCount)
{
    SequenceRules rules;
    const qint32 s = rightCount - wrongCount;
    rules.balance = s;
    rules.difficulty = wrongCount < rightCount ? s + 2 : 3;
    rules.stepLimit = MaxOf(6, ScaledRound(rules.difficulty * 1.2));
    rules.tenfoldPossible = s > 10;
    rules.gapAnywhere = s >= 7;
    rules.fontSize = s < 11 ? 16 : 14;
    return rules;
}

SequenceStart DrawSequence(Random &random, const SequenceRules &rules,
                           const std::optional<SequenceStart> &previous)
{
    const qint32 m = rules.difficulty;
    SequenceStart drawn;
    for (;;) {
        drawn.start = random.below(m * m) + 1;
        drawn.step = random.below(rules.stepLimit) + 1;
        if (rules.tenfoldPossible && random.fraction() > 0.8) {
            drawn.start *= 10;
            drawn.step *= 10;
        }
        if (random.fraction() < 0.8)
            drawn.step = -drawn.step;

        const bool positive = drawn.start + SequenceLength * drawn.step > 0;
        const bool fresh = !previous
            || (drawn.start != previous->start && drawn.step != previous->step);
        if (positive && fresh)
            return drawn;
    }
}

int DrawGapPosition(Random &random, const SequenceRules &rules)
{
    return rules.gapAnywhere ? random.below(SequenceLength) + 1 : 4;
}

QString SequenceText(const SequenceStart &sequence, int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QString::number(SequenceTerm(sequence, i));
        if (i < SequenceLength - 1)
            text += termGap;
    }
    return text;
}

QString SequenceTextWithGap(const SequenceStart &sequence, int gap)
{
    QStringList terms;
    for (int i = 0; i < SequenceLength; ++i)
        terms << (i == gap - 1 ? QStringLiteral("Lücke") : QString::number(SequenceTerm(sequence, i)));
    return terms.join(QStringLiteral(", "));
}

GeneratedTask Folgen(GenerationContext &context, int /*level*/)
{
    GeneratedTask task;
    const SequenceRules rules = SequenceRulesFor(context.rightCount, context.wrongCount);
    const FontSpec sequenceFont{QStringLiteral("Comic Sans MS"), rules.fontSize, false};
    const QString instruction = QStringLiteral("Ergänze die fehlende Zahl");
    const int left = ScaledRound(10 * context.layoutScale);

    std::optional<SequenceStart> previous;
    int gapShown = 0;
    int sequenceWidth = 0;
    for (int pass = 0; pass < MaxLayoutRedraws; ++pass) {
        const SequenceStart sequence = DrawSequence(context.random, rules, previous);
        previous = sequence;
        const int gap = DrawGapPosition(context.random, rules);
        gapShown = gap;

        // The field starts just before the covered term, so the term lies under it.
        const int textBefore = gap == 1
            ? 0
            : context.textWidth(SequenceText(sequence, gap - 1), sequenceFont) + 2;
        task.layout.edit1.left = left + textBefore - 5;
        task.expectedAnswer = SequenceTerm(sequence, gap - 1);
        task.taskText = SequenceText(sequence);
        task.solutionText = task.taskText;
        sequenceWidth = context.textWidth(task.taskText, sequenceFont) + 2;
        if (sequenceWidth < context.taskBoxWidth - 10)
            break;
    }

    TaskLayout &layout = task.layout;
    layout.label1 = PlacedLabel(instruction, instructionFont, left, 55, context.textWidth(instruction, instructionFont));
    layout.label3 = PlacedLabel(task.taskText, sequenceFont, left, 110, sequenceWidth);
    // The answer field covers the missing term on screen; assistive technology hears of a
    // gap there, as the voice says it.
    layout.label3.accessibleName = SequenceTextWithGap(*previous, gapShown);

    const int answerWidth = context.textWidth(QString::number(task.expectedAnswer), FontSpec{});
    layout.edit1.width = int(1.5 * answerWidth) + 20;
    layout.edit1.top = 110;
    return task;
}
