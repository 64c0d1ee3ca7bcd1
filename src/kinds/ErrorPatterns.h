#pragma once
// Which typical mistake a wrong answer shows, recognised from the task as the answer
// record holds it and the answer given, under the names teachers use. Pure functions:
// the run's correction, the teacher's view and the report ask the same question here.

#include "kinds/Kinds.h"

#include <QString>
#include <optional>

// The name a teacher reads: "Zahlendreher", …, "Römisch", "anderer Fehler".
QString ErrorPatternName(ErrorPattern pattern);

// The mistake a wrong answer to a task of `kind` shows: the first of the kind's patterns
// that explains it, or Other. Nothing for a right answer. shownTask is the task written
// as the kind's recording says.
std::optional<ErrorPattern> RecogniseMistake(const KindInfo &kind, const QString &shownTask, qint32 expected,
                                             qint32 given);

// What a recorded task shows of itself: the worth of one tick of the ray ("300 bis 400":
// 10), the step of a sequence ("3, 6, _, 12, 15": 3); nothing for a task of another form.
std::optional<qint64> RecordedLineTick(const QString &shownTask);
std::optional<qint64> RecordedSequenceStep(const QString &shownTask);

// Whether a task of `kind` gives room for the same mistake again: after a Zahlendreher a
// number whose tens and ones differ, after a Stellenwert one with a zero, after rounding
// the wrong way a number just at the border, after a Römisch a numeral with a subtractive
// pair. Mistakes any task of the kind can bring (a tick off, a wrong step) are invited by all.
bool InvitesMistake(const KindInfo &kind, const QString &shownTask, qint32 asked, ErrorPattern pattern);
