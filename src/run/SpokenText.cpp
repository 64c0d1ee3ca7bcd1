#include "run/SpokenText.h"

#include "generators/numberline/NumberLine.h"
#include "generators/writing/NumberWords.h"
#include "core/DigitGroups.h"
#include "kinds/Kinds.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>

namespace {

// The words of 0 to 9 standing alone; the number words start at ten.
const std::array<QString, 10> &digitWords()
{
    static const std::array<QString, 10> words = {
        QStringLiteral("null"), QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei"),
        QStringLiteral("vier"), QStringLiteral("fünf"), QStringLiteral("sechs"), QStringLiteral("sieben"),
        QStringLiteral("acht"), QStringLiteral("neun")};
    return words;
}

constexpr qint64 LargestWordNumber = 999'999'999;


// A line break inside a caption only wraps the sentence; between lines of a solution it
// separates statements.
QString joinedLines(const QString &text, const QString &separator)
{
    QStringList lines = text.split(CarriageReturn, Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(separator);
}

// Signs a child reads as words.
QString withSignsAsWords(QString text)
{
    text.replace(QChar(0x2248), QStringLiteral(" ungefähr "));   // ≈
    text.replace(QChar(0x00BB), QStringLiteral(" ungefähr "));   // » stands for ≈ in the symbol font
    text.replace(QLatin1Char('='), QStringLiteral(" gleich "));
    text.replace(QLatin1Char('+'), QStringLiteral(" plus "));
    return text.simplified();
}

QString spokenLines(const QString &text, const QString &separator)
{
    return SpokenNumbers(withSignsAsWords(joinedLines(text, separator)));
}

QString firstNumberIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d+(?: \\d{3})*"));
    return number.match(text).captured();
}

// The letters one by one, so the voice spells the numeral instead of reading a word.
QString spelledNumeral(const QString &text)
{
    QStringList letters;
    for (QChar c : text) {
        if (c.isLetter())
            letters << QString(c);
    }
    return letters.join(QStringLiteral(", "));
}

// The terms as numbers, the covered one as "Lücke".
QString spokenSequence(const QString &terms, const std::optional<qint32> &covered)
{
    QStringList spoken;
    for (const QString &term : terms.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool isGap = covered && term == QString::number(*covered);
        spoken << (isGap ? QStringLiteral("Lücke") : SpokenNumbers(term));
    }
    return spoken.join(QStringLiteral(", "));
}

// "Runde auf Zehner" and 6 680: "Runde sechstausendsechshundertachtzig auf Zehner".
QString spokenRounding(const QString &instruction, const QString &number)
{
    const qsizetype blank = instruction.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return instruction + QLatin1Char(' ') + SpokenNumbers(number);
    return instruction.left(blank) + QLatin1Char(' ') + SpokenNumbers(number) + instruction.mid(blank);
}

// "3 Z 4 E" as the words the letters stand for: "drei Zehner vier Einer".
QString withPlaceWords(QString text)
{
    static const QRegularExpression oneTen(QStringLiteral("\\b1 Z\\b"));
    static const QRegularExpression oneOne(QStringLiteral("\\b1 E\\b"));
    static const QRegularExpression tens(QStringLiteral("\\bZ\\b"));
    static const QRegularExpression ones(QStringLiteral("\\bE\\b"));
    return text.replace(oneTen, QStringLiteral("ein Zehner"))
        .replace(oneOne, QStringLiteral("ein Einer"))
        .replace(tens, QStringLiteral("Zehner"))
        .replace(ones, QStringLiteral("Einer"));
}

QString caption(const LabelSetup &label)
{
    return joinedLines(label.caption.value_or(QString()), QStringLiteral(" "));
}

// The two captions in the order they stand on screen, top first.
QString shownCaptions(const TaskLayout &layout)
{
    const bool label3First = layout.label3.top && layout.label1.top && *layout.label3.top < *layout.label1.top;
    const QString first = caption(label3First ? layout.label3 : layout.label1);
    const QString second = caption(label3First ? layout.label1 : layout.label3);
    return SpokenNumbers(withSignsAsWords(first + QLatin1Char(' ') + second));
}

QString withColon(const QString &instruction)
{
    return instruction.endsWith(QLatin1Char(':')) ? instruction : instruction + QLatin1Char(':');
}

} // namespace

QString SpokenNumber(qint64 n)
{
    if (n < 0)
        return QStringLiteral("minus ") + SpokenNumber(-n);
    if (n < 10)
        return digitWords()[n];
    if (n <= LargestWordNumber)
        return joinedLines(NumberToWords(qint32(n)), QStringLiteral(" "));
    // Beyond the number words no task goes; the digits one by one still keep them away
    // from the voice.
    QStringList digits;
    for (QChar c : QString::number(n))
        digits << digitWords()[c.digitValue()];
    return digits.join(QLatin1Char(' '));
}

QString SpokenNumbers(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d{1,3}(?: \\d{3})+(?!\\d)|\\d+"));
    QString spoken;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : number.globalMatch(text)) {
        spoken += text.mid(done, match.capturedStart() - done);
        QString digits = match.captured();
        digits.remove(QLatin1Char(' '));
        spoken += SpokenNumber(digits.toLongLong());
        done = match.capturedEnd();
    }
    return spoken + text.mid(done);
}

namespace {

Reading readingOf(qint32 kind)
{
    const KindInfo *info = FindKind(kind);
    return info != nullptr ? info->reading : Reading::ShownTexts;
}

} // namespace

QString SpokenTask(qint32 kind, const GeneratedTask &task)
{
    const QString instruction = caption(task.layout.label1);
    switch (readingOf(kind)) {
    case Reading::RoundingNumber:
        return spokenRounding(instruction, firstNumberIn(task.taskText));
    case Reading::NumeralLetters:
        return withColon(instruction) + QLatin1Char(' ') + spelledNumeral(task.taskText);
    case Reading::SequenceWithGap:
        return withColon(instruction) + QLatin1Char(' ') + spokenSequence(task.taskText, task.expectedAnswer);
    case Reading::PlaceValues:
        return SpokenNumbers(withSignsAsWords(withPlaceWords(caption(task.layout.label1) + QStringLiteral(" Lücke ")
                                                             + caption(task.layout.label3))));
    case Reading::ShownTexts:
        break;
    }
    return shownCaptions(task.layout);
}

QString SpokenCorrection(qint32 kind, const QString &word, const QString &solutionText, const QString &mistakeNote)
{
    QString solution;
    const Reading reading = readingOf(kind);
    if (reading == Reading::NumeralLetters) {
        const QString numeral = solutionText.section(QLatin1Char('='), 0, 0);
        solution = spelledNumeral(numeral) + QStringLiteral(" gleich ")
                   + SpokenNumbers(solutionText.section(QLatin1Char('='), 1).trimmed());
    } else if (reading == Reading::SequenceWithGap) {
        solution = spokenSequence(solutionText, std::nullopt);
    } else if (reading == Reading::PlaceValues) {
        solution = spokenLines(withPlaceWords(solutionText), QStringLiteral(", "));
    } else {
        solution = spokenLines(solutionText, QStringLiteral(", "));
    }
    return (word + QLatin1Char(' ') + spokenLines(mistakeNote, QStringLiteral(" "))
            + QStringLiteral(" So wird die Aufgabe richtig gelöst: ") + solution)
        .simplified();
}

QString PictureDescription(const TaskPicture &picture, int pictureWidth)
{
    if (std::holds_alternative<DotPicture>(picture))
        return QStringLiteral("Punktebild, zum Teil verdeckt");
    if (const auto *own = std::get_if<PaintedPicture>(&picture))
        return own->description;
    const auto *shown = std::get_if<NumberLinePicture>(&picture);
    if (shown == nullptr)
        return QString();
    const TNumberLine &line = shown->line;
    // Up to the last tick in the picture; ticks stand ten units apart.
    const qint32 lastOffset = std::max(0, (pictureWidth - 2 * LineLeftX) / std::max(1, line.pixelsPerUnit)) / 10 * 10;
    const qint32 lastValue = line.valueAt(lastOffset);
    // A line where the child has to find a place shows no arrow.
    const int arrows = shown->correctionOffset ? 0 : (shown->secondArrowOffset ? 2 : 1);
    const QStringList withArrows = {QString(), QStringLiteral(" mit einem Pfeil"), QStringLiteral(" mit zwei Pfeilen")};
    return QStringLiteral("Zahlenstrahl von %1 bis %2").arg(FormatGrouped(line.startValue), FormatGrouped(lastValue))
         + withArrows.at(arrows);
}
