#include "run/ShownTask.h"

#include "core/DigitGroups.h"
#include "generators/numberline/NumberLine.h"

#include <QStringList>
#include <cmath>

namespace {

// Line breaks and the other control characters become blanks: a record is one line.
QString oneLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    return line.simplified();
}

// The leading digits and digit groups of a text: "4 350" of the rounding task's "4 350 ≈".
QString leadingNumber(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && (text.at(end).isDigit() || text.at(end) == QLatin1Char(' ')))
        ++end;
    return text.left(end).trimmed();
}

QString romanLetters(const QString &text)
{
    QString letters;
    for (const QChar c : text) {
        if (c.isLetter())
            letters += c;
    }
    return letters;
}

// The terms as shown, the one under the answer field as "_".
QString sequenceWithGap(const QString &text, qint32 covered)
{
    QStringList terms = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &term : terms) {
        if (term == QString::number(covered))
            term = QStringLiteral("_");
    }
    return terms.join(QStringLiteral(", "));
}

} // namespace

qint32 NumberAtColumn(const TNumberLine &line, qint32 column)
{
    const qint32 perUnit = std::max(line.pixelsPerUnit, qint32(1));
    const qint32 units = qint32(std::lround(double(column - LineLeftX) / perUnit));
    return line.valueAt(units);
}

QString ShownTaskOf(const KindInfo &kind, const GeneratedTask &task)
{
    switch (kind.recording) {
    case Recording::TaskText:
    case Recording::Words:
        return oneLine(task.taskText);
    case Recording::NumberLine:
    case Recording::LineDistance:
        if (const auto *picture = std::get_if<NumberLinePicture>(&task.picture))
            return FormatGrouped(picture->line.startValue) + QStringLiteral(" bis ")
                 + FormatGrouped(picture->line.endValue);
        break;
    case Recording::RoundingNumber:
        return task.solutionText.section(CarriageReturn, 0, 0) + QStringLiteral(": ") + leadingNumber(task.taskText);
    case Recording::Numeral:
        return romanLetters(task.taskText);
    case Recording::SequenceWithGap:
        return sequenceWithGap(task.taskText, task.expectedAnswer);
    case Recording::DotField:
        if (const auto *dots = std::get_if<DotPicture>(&task.picture))
            return QStringLiteral("Punktefeld %1 × %1").arg(dots->gridSize);
        break;
    }
    return oneLine(task.taskText);
}

qint32 AskedNumber(const KindInfo &kind, const GeneratedTask &task)
{
    const auto *picture = std::get_if<NumberLinePicture>(&task.picture);
    if (kind.answeredByPointing() && picture != nullptr)
        return NumberAtColumn(picture->line, task.expectedAnswer);
    return task.expectedAnswer;
}
