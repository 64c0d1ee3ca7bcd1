#include "generators/upto100/NeighbourNumbers.h"

#include "generators/upto100/FirstNumbers.h"

#include <QStringList>

namespace {

const FontSpec QuestionFont{QStringLiteral("Comic Sans MS"), 16, false};

// The number with its neighbours on either side, as far as they lie from 1 to 100.
QString numberBetweenItsNeighbours(qint32 n)
{
    QStringList row;
    for (qint32 k = n - 1; k <= n + 1; ++k) {
        if (k >= 1 && k <= 100)
            row << QString::number(k);
    }
    return row.join(QStringLiteral(", "));
}

} // namespace

qint32 NeighbourTask::neighbour() const
{
    if (tens)
        return (number / 10 + (after ? 1 : 0)) * 10;
    return after ? number + 1 : number - 1;
}

NeighbourTask DrawNeighbourTask(Random &random, int level)
{
    NeighbourTask task;
    task.after = random.below(2) == 1;
    switch (level) {
    case 1:
        task.number = task.after ? random.between(1, 19) : random.between(2, 20);
        break;
    case 2:
        task.number = task.after ? random.between(10, 99) : random.between(11, 100);
        break;
    default:
        task.tens = random.below(2) == 1;
        if (task.tens) {
            // A ten itself has no ten it lies between.
            do {
                task.number = random.between(11, 99);
            } while (task.number % 10 == 0);
        } else {
            // After 19 … 99, before 20 … 100: the neighbour lies across the ten.
            task.number = task.after ? 10 * random.between(1, 9) + 9 : 10 * random.between(2, 10);
        }
        break;
    }
    return task;
}

QString NeighbourQuestion(const NeighbourTask &task)
{
    return QStringLiteral("%1 %2 %3?")
        .arg(task.tens ? QStringLiteral("Welcher Zehner kommt") : QStringLiteral("Welche Zahl kommt direkt"),
             task.after ? QStringLiteral("nach") : QStringLiteral("vor"))
        .arg(task.number);
}

QString NeighbourSolution(const NeighbourTask &task)
{
    const QString side = task.after ? QStringLiteral("nach") : QStringLiteral("vor");
    if (!task.tens)
        return QStringLiteral("%1 kommt direkt %2 %3.").arg(task.neighbour()).arg(side).arg(task.number)
             + CarriageReturn + numberBetweenItsNeighbours(task.number);
    const qint32 below = task.number / 10 * 10;
    return QStringLiteral("%1 liegt zwischen %2 und %3.").arg(task.number).arg(below).arg(below + 10) + CarriageReturn
         + QStringLiteral("Der Zehner %1 %2 ist %3.").arg(side).arg(task.number).arg(task.neighbour());
}

GeneratedTask Nachbarzahlen(GenerationContext &context, int)
{
    const NeighbourTask drawn = DrawNeighbourTask(context.random, FirstNumbersLevel(context.balance()));
    GeneratedTask task;
    task.taskText = NeighbourQuestion(drawn);
    task.expectedAnswer = drawn.neighbour();
    task.solutionText = NeighbourSolution(drawn);

    const int left = ScaledRound(10 * context.layoutScale);
    task.layout.label1 = PlacedLabel(task.taskText, QuestionFont, left, 50,
                                     context.textWidth(task.taskText, QuestionFont) + 2);
    task.layout.label1.visible = true;
    task.layout.label3.caption = QString();
    task.layout.label3.visible = false;
    task.layout.edit1.left = left;
    task.layout.edit1.top = ScaledRound(100 * context.layoutScale);
    task.layout.edit1.width = AnswerFieldWidth(context, task.expectedAnswer);
    task.layout.edit1.visible = true;
    return task;
}
