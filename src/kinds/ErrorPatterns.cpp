#include "kinds/ErrorPatterns.h"

#include "generators/rounding/Rounding.h"

#include <QStringList>
#include <algorithm>
#include <array>

QString ErrorPatternName(ErrorPattern pattern)
{
    switch (pattern) {
    case ErrorPattern::Zahlendreher: return QStringLiteral("Zahlendreher");
    case ErrorPattern::Stellenwert: return QStringLiteral("Stellenwert");
    case ErrorPattern::Rundungsrichtung: return QStringLiteral("Rundungsrichtung");
    case ErrorPattern::Rundungsstelle: return QStringLiteral("Rundungsstelle");
    case ErrorPattern::Skala: return QStringLiteral("Skala");
    case ErrorPattern::Nachbarstrich: return QStringLiteral("Nachbarstrich");
    case ErrorPattern::Roemisch: return QStringLiteral("Römisch");
    case ErrorPattern::Folge: return QStringLiteral("Folge");
    case ErrorPattern::Other: break;
    }
    return QStringLiteral("anderer Fehler");
}

namespace {

// A number as the record writes it, digit groups and all; nothing for any other text.
std::optional<qint64> numberIn(QString text)
{
    text.remove(QLatin1Char(' '));
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

// German speaks the ones before the tens, so "dreiundvierzig" becomes 34: the tens and
// ones of one group of three digits swapped, both of them other than zero.
bool swapsTensAndOnes(qint64 expected, qint64 given)
{
    const QString e = QString::number(expected), g = QString::number(given);
    if (expected < 0 || given < 0 || e.size() != g.size())
        return false;
    QList<qsizetype> differing;   // counted from the right
    for (qsizetype i = 0; i < e.size(); ++i) {
        if (e.at(e.size() - 1 - i) != g.at(g.size() - 1 - i))
            differing.append(i);
    }
    if (differing.size() != 2 || differing[1] != differing[0] + 1 || differing[0] % 3 != 0)
        return false;
    const QChar ones = e.at(e.size() - 1 - differing[0]), tens = e.at(e.size() - 2 - differing[0]);
    return ones != QLatin1Char('0') && tens != QLatin1Char('0') && g.at(g.size() - 1 - differing[0]) == tens;
}

// The same digits other than zero, in the same order, standing at other places: a zero
// left out or put in ("dreitausendundfünf" as 305 or 30005), or a digit moved.
bool shiftsPlaces(qint64 expected, qint64 given)
{
    if (expected <= 0 || given <= 0)
        return false;
    return QString::number(expected).remove(QLatin1Char('0')) == QString::number(given).remove(QLatin1Char('0'));
}

constexpr std::array<qint64, 5> RoundingPlaces = {10, 100, 1000, 10000, 100000};

struct RoundingAsked
{
    qint64 number = 0;
    qint64 place = 0;
};

// "Runde auf Hunderter: 4 350".
std::optional<RoundingAsked> roundingTaskIn(const QString &shown)
{
    static const std::array<QLatin1String, 4> words = {QLatin1String("Zehner"), QLatin1String("Hunderter"),
                                                       QLatin1String("Tausender"), QLatin1String("Zehntausender")};
    const QString instruction = shown.section(QLatin1Char(':'), 0, 0).trimmed();
    const std::optional<qint64> number = numberIn(shown.section(QLatin1Char(':'), 1));
    for (size_t i = 0; i < words.size(); ++i) {
        if (number && instruction == QLatin1String("Runde auf ") + words[i])
            return RoundingAsked{*number, RoundingPlaces[i]};
    }
    return std::nullopt;
}

qint64 roundedDown(qint64 n, qint64 place)
{
    return n / place * place;
}

bool roundsTheWrongWay(const RoundingAsked &task, qint64 given)
{
    const qint64 down = roundedDown(task.number, task.place);
    if (down == task.number)
        return false;
    const qint64 expected = RoundHalfUp(qint32(task.number), qint32(task.place));
    return given == (expected == down ? down + task.place : down);
}

bool roundsAtAnotherPlace(const RoundingAsked &task, qint64 given)
{
    for (const qint64 place : RoundingPlaces) {
        if (place == task.place)
            continue;
        const qint64 down = roundedDown(task.number, place);
        if (given == down || given == down + place)
            return true;
    }
    return false;
}

// The ray's labelled numbers, "300 bis 400"; its ticks stand a tenth of the span apart.
struct LineTicks
{
    qint64 start = 0;
    qint64 tick = 0;
};

std::optional<LineTicks> lineTicksIn(const QString &shown)
{
    const QStringList ends = shown.split(QStringLiteral(" bis "));
    if (ends.size() != 2)
        return std::nullopt;
    const std::optional<qint64> start = numberIn(ends[0]), end = numberIn(ends[1]);
    if (!start || !end || *end - *start < 10 || (*end - *start) % 10 != 0)
        return std::nullopt;
    return LineTicks{*start, (*end - *start) / 10};
}

// Read or placed as if each tick were worth another of the usual steps.
bool readsWithAnotherStep(qint64 fromBase, qint64 givenFromBase, qint64 tick)
{
    static constexpr std::array<qint64, 10> steps = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    if (fromBase == 0)
        return false;
    for (const qint64 step : steps) {
        if (step != tick && (givenFromBase * tick == fromBase * step || givenFromBase * step == fromBase * tick))
            return true;
    }
    return false;
}

qint64 romanLetterValue(QChar letter)
{
    switch (letter.unicode()) {
    case 'I': return 1;
    case 'V': return 5;
    case 'X': return 10;
    case 'L': return 50;
    case 'C': return 100;
    case 'D': return 500;
    case 'M': return 1000;
    default: return 0;
    }
}

// IV read as VI or as IIII would be: one subtractive pair, or all of them, added up.
bool addsASubtractivePair(const QString &numeral, qint64 expected, qint64 given)
{
    qint64 allAdded = 0;
    bool anyPair = false;
    for (qsizetype i = 0; i < numeral.size(); ++i) {
        const qint64 value = romanLetterValue(numeral.at(i));
        if (value == 0)
            return false;
        allAdded += value;
        if (i + 1 < numeral.size() && value < romanLetterValue(numeral.at(i + 1))) {
            anyPair = true;
            if (given == expected + 2 * value)
                return true;
        }
    }
    return anyPair && given == allAdded;
}

// The terms of "3, 6, _, 12, 15", the gap as nothing.
QList<std::optional<qint64>> sequenceTermsIn(const QString &shown)
{
    QList<std::optional<qint64>> values;
    for (const QString &term : shown.split(QStringLiteral(", ")))
        values.append(numberIn(term));
    return values;
}

// The step between the first two neighbouring terms shown.
std::optional<qint64> stepOf(const QList<std::optional<qint64>> &values)
{
    for (qsizetype i = 0; i + 1 < values.size(); ++i) {
        if (values[i] && values[i + 1])
            return *values[i + 1] - *values[i];
    }
    return std::nullopt;
}

// "3, 6, _, 12, 15": the answer continues a neighbour with another step than the
// sequence's: backwards, twice or half as far, or one further or shorter.
bool continuesWithAnotherStep(const QString &shown, qint64 given)
{
    const qsizetype gap = shown.split(QStringLiteral(", ")).indexOf(QStringLiteral("_"));
    const QList<std::optional<qint64>> values = sequenceTermsIn(shown);
    const std::optional<qint64> step = stepOf(values);
    if (gap < 0 || !step || *step == 0)
        return false;
    QList<qint64> wrongSteps = {-*step, 2 * *step, *step + 1, *step - 1};
    if (*step % 2 == 0)
        wrongSteps.append(*step / 2);
    for (const qint64 wrong : wrongSteps) {
        if (wrong == *step || wrong == 0)
            continue;
        if (gap > 0 && values[gap - 1] && given == *values[gap - 1] + wrong)
            return true;
        if (gap + 1 < values.size() && values[gap + 1] && given == *values[gap + 1] - wrong)
            return true;
    }
    return false;
}

bool shows(ErrorPattern pattern, const KindInfo &kind, const QString &shown, qint64 expected, qint64 given)
{
    switch (pattern) {
    case ErrorPattern::Zahlendreher:
        return swapsTensAndOnes(expected, given);
    case ErrorPattern::Stellenwert:
        return shiftsPlaces(expected, given);
    case ErrorPattern::Rundungsrichtung: {
        const std::optional<RoundingAsked> task = roundingTaskIn(shown);
        return task && roundsTheWrongWay(*task, given);
    }
    case ErrorPattern::Rundungsstelle: {
        const std::optional<RoundingAsked> task = roundingTaskIn(shown);
        return task && roundsAtAnotherPlace(*task, given);
    }
    case ErrorPattern::Skala:
    case ErrorPattern::Nachbarstrich: {
        const std::optional<LineTicks> line = lineTicksIn(shown);
        if (!line)
            return false;
        if (pattern == ErrorPattern::Nachbarstrich)
            return given - expected == line->tick || expected - given == line->tick;
        // A distance is counted from nought, a place on the ray from its left end.
        const qint64 base = kind.recording == Recording::LineDistance ? 0 : line->start;
        return readsWithAnotherStep(expected - base, given - base, line->tick);
    }
    case ErrorPattern::Roemisch:
        return addsASubtractivePair(shown.trimmed(), expected, given);
    case ErrorPattern::Folge:
        return continuesWithAnotherStep(shown, given);
    case ErrorPattern::Other:
        break;
    }
    return false;
}

} // namespace

std::optional<ErrorPattern> RecogniseMistake(const KindInfo &kind, const QString &shownTask, qint32 expected,
                                             qint32 given)
{
    if (given == expected)
        return std::nullopt;
    for (const ErrorPattern pattern : kind.patterns) {
        if (shows(pattern, kind, shownTask, expected, given))
            return pattern;
    }
    return ErrorPattern::Other;
}

std::optional<qint64> RecordedLineTick(const QString &shownTask)
{
    const std::optional<LineTicks> line = lineTicksIn(shownTask);
    return line ? std::optional<qint64>(line->tick) : std::nullopt;
}

std::optional<qint64> RecordedSequenceStep(const QString &shownTask)
{
    return stepOf(sequenceTermsIn(shownTask));
}

bool InvitesMistake(const KindInfo &kind, const QString &shownTask, qint32 asked, ErrorPattern pattern)
{
    switch (pattern) {
    case ErrorPattern::Zahlendreher: {
        // Some group of three digits has tens and ones, both other than zero and unequal.
        for (qint64 rest = qAbs(qint64(asked)); rest > 0; rest /= 1000) {
            const qint64 ones = rest % 10, tens = rest / 10 % 10;
            if (ones != 0 && tens != 0 && ones != tens)
                return true;
        }
        return false;
    }
    case ErrorPattern::Stellenwert:
        return asked > 0 && QString::number(asked).contains(QLatin1Char('0'));
    case ErrorPattern::Rundungsrichtung: {
        // The digit that decides is a 4 or a 5.
        const std::optional<RoundingAsked> task = roundingTaskIn(shownTask);
        const qint64 deciding = task ? task->number % task->place / (task->place / 10) : -1;
        return deciding == 4 || deciding == 5;
    }
    case ErrorPattern::Roemisch: {
        const QString numeral = shownTask.trimmed();
        for (qsizetype i = 0; i + 1 < numeral.size(); ++i) {
            if (romanLetterValue(numeral.at(i)) < romanLetterValue(numeral.at(i + 1)))
                return true;
        }
        return false;
    }
    case ErrorPattern::Rundungsstelle:
    case ErrorPattern::Skala:
    case ErrorPattern::Nachbarstrich:
    case ErrorPattern::Folge:
        return std::find(kind.patterns.begin(), kind.patterns.end(), pattern) != kind.patterns.end();
    case ErrorPattern::Other:
        break;
    }
    return false;
}
