#include "run/RecordedAnswer.h"

#include "core/MyTools.h"
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

// The number at a column of the ray, to the nearest unit.
qint32 numberAtColumn(const TNumberLine &line, qint32 column)
{
    const qint32 perUnit = std::max(line.pixelsPerUnit, qint32(1));
    const qint32 units = qint32(std::lround(double(column - LineLeftX) / perUnit));
    return line.startValue + units * ((line.endValue - line.startValue) / 100);
}

} // namespace

QString ShownTask(const PracticeRun &run)
{
    const TAufgabe &task = run.currentTask;
    switch (run.kindInfo().recording) {
    case Recording::TaskText:
    case Recording::Words:
        return oneLine(task.taskText);
    case Recording::NumberLine:
    case Recording::LineDistance:
        return FormatGrouped(run.numberLine.startValue) + QStringLiteral(" bis ")
             + FormatGrouped(run.numberLine.endValue);
    case Recording::RoundingNumber:
        return task.solutionText.section(CarriageReturn, 0, 0) + QStringLiteral(": ") + leadingNumber(task.taskText);
    case Recording::Numeral:
        return romanLetters(task.taskText);
    case Recording::SequenceWithGap:
        return sequenceWithGap(task.taskText, task.expectedAnswer);
    case Recording::DotField:
        return QStringLiteral("Punktefeld %1 × %1").arg(run.dotGridSize);
    }
    return oneLine(task.taskText);
}

AnsweredTask AnsweredTaskOf(const PracticeRun &run, qint32 n, quint32 elapsedMs, const QDateTime &at)
{
    AnsweredTask answer;
    answer.answeredAt = at;
    answer.kind = run.currentTask.kind;
    answer.attempt = std::max(run.triesAtTask, qint32(1));
    answer.task = ShownTask(run);
    answer.expected = run.currentTask.expectedAnswer;
    answer.given = n;
    if (run.kindInfo().answeredByPointing()) {
        answer.expected = numberAtColumn(run.numberLine, run.currentTask.expectedAnswer);
        answer.given = numberAtColumn(run.numberLine, n);
    }
    answer.thinkSeconds = elapsedMs / 1000.0;
    return answer;
}
