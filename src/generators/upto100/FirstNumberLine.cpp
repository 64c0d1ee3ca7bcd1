#include "generators/upto100/FirstNumbers.h"

#include "generators/numberline/NumberLine.h"
#include "generators/numberline/NumberLineTasks.h"

namespace {

// 10 pixels a number on a ray of single numbers, 3 a number on a ray of tens; the larger
// picture spreads every unit over one pixel more, as the other rays do.
FirstNumbersLine singleNumbers(qint32 start, qint32 number, double layoutScale)
{
    FirstNumbersLine placed;
    placed.number = number;
    // A unit is a tenth: the ticks every 10 units stand at every number.
    SetNumberLine(placed.line, start, start + 10, layoutScale > 1.0 ? 2 : 1, 10 * (number - start));
    return placed;
}

FirstNumbersLine tens(qint32 number, double layoutScale)
{
    FirstNumbersLine placed;
    placed.number = number;
    SetNumberLine(placed.line, 0, 100, layoutScale > 1.0 ? 4 : 3, number);
    return placed;
}

QString ticks(qint32 count)
{
    return count == 1 ? QStringLiteral("1 Strich") : QStringLiteral("%1 Striche").arg(count);
}

} // namespace

int FirstNumbersLevel(qint32 balance)
{
    if (balance <= 5)
        return 1;
    return balance <= 10 ? 2 : 3;
}

FirstNumbersLine PlaceFirstNumbersLine(GenerationContext &context, int range)
{
    Random &random = context.random;
    const int level = FirstNumbersLevel(context.balance());
    if (range == 20) {
        qint32 number = 0;
        switch (level) {
        case 1: number = random.between(1, 9); break;
        case 2: do { number = random.between(1, 20); } while (number == 10); break;
        default: number = random.between(11, 20); break;
        }
        return singleNumbers(0, number, context.layoutScale);
    }
    switch (level) {
    case 1:
        return tens(10 * random.between(1, 9), context.layoutScale);
    case 2:
        return tens(10 * random.below(10) + 5, context.layoutScale);
    default: {
        const qint32 start = 10 * random.below(9);
        qint32 number = 0;
        do {
            number = start + random.between(1, 19);
        } while (number == start + 10);
        return singleNumbers(start, number, context.layoutScale);
    }
    }
}

QString CountedOnTheLine(const FirstNumbersLine &placed)
{
    const qint32 n = placed.number;
    QString way;
    if (placed.ticksSingleNumbers()) {
        const qint32 from = n < placed.line.endValue ? placed.line.startValue : placed.line.endValue;
        way = QStringLiteral("Von %1 aus %2 weiter").arg(from).arg(ticks(n - from));
    } else if (n % 10 == 0) {
        way = QStringLiteral("Von 0 aus %1 zu je 10").arg(ticks(n / 10));
    } else {
        way = QStringLiteral("In der Mitte zwischen %1 und %2").arg(n - 5).arg(n + 5);
    }
    return way + CarriageReturn + QStringLiteral("= ") + QString::number(n);
}

GeneratedTask StrahlBis(GenerationContext &context, int range)
{
    const FirstNumbersLine placed = PlaceFirstNumbersLine(context, range);
    GeneratedTask task;
    task.expectedAnswer = placed.number;
    task.taskText = QString::number(placed.number);
    task.solutionText = CountedOnTheLine(placed);
    task.layout = ReadingTaskLayout(context, placed.number);
    task.picture = NumberLinePicture{placed.line, TaskBand(context.drawingWidth - 1), std::nullopt};
    return task;
}

GeneratedTask ZeigenBis(GenerationContext &context, int range)
{
    const FirstNumbersLine placed = PlaceFirstNumbersLine(context, range);
    GeneratedTask task;
    task.taskText = QString::number(placed.number);
    // The answer is the column where the number lies, as a press there gives it.
    task.expectedAnswer = OffsetX(placed.line.pixelsPerUnit, placed.line.arrowOffset);
    task.solutionText = CountedOnTheLine(placed);
    task.layout = PointingTaskLayout(QStringLiteral("Zeige auf die Zahl:"), task.taskText);
    task.picture = NumberLinePicture{placed.line, TaskBand(context.drawingWidth - 1), std::nullopt,
                                     placed.line.arrowOffset};
    return task;
}
