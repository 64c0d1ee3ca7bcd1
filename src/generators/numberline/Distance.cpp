#include "generators/numberline/NumberLine.h"
#include "generators/numberline/NumberLineTasks.h"
#include "core/DigitGroups.h"

#include <cstdlib>

namespace {

struct ArrowPair
{
    qint32 first = 0;   // offsets in units
    qint32 second = 0;
};

// Beginners get the wider tick spacings here: close ticks only above a balance of 3.
int distanceSpacingLevel(Random &random, qint32 balance)
{
    return balance <= 3 ? random.between(2, 3) : random.between(1, 3);
}

// Two different arrows on the grid of 5 units; the second one mostly left of the first.
ArrowPair drawArrowPair(Random &random, int spacingLevel)
{
    ArrowPair steps;   // counted in steps of 5 units
    do {
        switch (spacingLevel) {
        case 1:
            steps.first = 2 * random.below(30);
            steps.second = 2 * random.below(steps.first / 2);
            break;
        case 2:
            steps.first = random.below(30);
            steps.second = random.below(steps.first) + 1;
            break;
        default:
            steps.first = random.below(20) + 1;
            steps.second = random.below(steps.first) + 1;
            break;
        }
    } while (steps.first == steps.second);
    return {5 * steps.first, 5 * steps.second};
}

// Sections of the distance task: the same grids of starts at every balance.
LineSection distanceSection(Random &random, int rangeLevel, int spacingLevel)
{
    const auto start = [&](qint32 step) { return spacingLevel == 1 ? 0 : step * random.below(10); };
    switch (rangeLevel) {
    case 1:
        return {start(10), 100};
    case 2:
        return {start(100), 100};
    default:
        return {start(1000), 1000};
    }
}

} // namespace

GeneratedTask Abstand(GenerationContext &context, int)
{
    const int spacingLevel = distanceSpacingLevel(context.random, context.balance());
    const ArrowPair arrows = drawArrowPair(context.random, spacingLevel);
    const int rangeLevel = RandomRangeLevel(context.random);
    const LineSection section = distanceSection(context.random, rangeLevel, spacingLevel);
    const qint32 expected = std::abs(arrows.first - arrows.second) * section.unitValue();

    // The same pixels per unit at both scales: the largest offsets fit either picture.
    TNumberLine line;
    SetNumberLine(line, section.start, section.start + section.span, spacingLevel, arrows.first);

    GeneratedTask task;
    task.expectedAnswer = expected;
    task.taskText = FormatGrouped(section.valueAt(arrows.first)) + QStringLiteral(" und ")
                    + FormatGrouped(section.valueAt(arrows.second));
    task.repeatKey = FormatGrouped(arrows.first);
    task.solutionText = FormatGrouped(expected);
    task.layout.label1 = TaskQuestion(
        QStringLiteral("Wie groß ist der Abstand") + CarriageReturn + QStringLiteral("zwischen den beiden Pfeilen?"),
        28);
    task.layout.label3.caption = QString();
    task.layout.edit1.top = 150;
    task.layout.edit1.width = AnswerFieldWidth(context, expected);
    task.picture = NumberLinePicture{line, TaskBand(320), arrows.second};
    return task;
}
