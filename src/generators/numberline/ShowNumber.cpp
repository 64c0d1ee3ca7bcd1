#include "generators/numberline/NumberLine.h"
#include "generators/numberline/NumberLineTasks.h"
#include "core/DigitGroups.h"

const QStringList &HintTexts()
{
    static const QStringList hints = {
        QStringLiteral("Ziele genauer!"),
        QStringLiteral("Versuche es nochmal!"),
        QStringLiteral("Zähle die Markierungen!"),
        QStringLiteral("Achte auf die Schrittweite!"),
        QStringLiteral("Noch ein Versuch!"),
    };
    return hints;
}

TaskLayout PointingTaskLayout(const QString &question, const QString &number)
{
    TaskLayout layout;
    layout.focusTaskBox = true;
    layout.edit1.visible = false;
    layout.drawingTop = 49;
    layout.label1 = TaskQuestion(question, 30);
    layout.label3.caption = number;
    layout.label3.font = FontSpec{QStringLiteral("Comic Sans MS"), 14, false};
    layout.label3.left = 28;
    layout.label3.top = 60;
    return layout;
}

GeneratedTask ZZeigen(GenerationContext &context, int)
{
    const int rangeLevel = RandomRangeLevel(context.random);
    const int spacingLevel = ReadingSpacingLevel(context.random, context.balance());
    const ReadingLine placed = PlaceReadingLine(context, spacingLevel, rangeLevel);

    GeneratedTask task;
    task.taskText = FormatGrouped(placed.section.valueAt(placed.offset));
    // The answer is the column where the number lies, as a click there gives it.
    task.expectedAnswer = OffsetX(placed.line.pixelsPerUnit, placed.offset);
    // The correction shows the place and says it, then gives one of the hints.
    task.solutionText = QStringLiteral("Die %1 liegt hier.").arg(task.taskText) + CarriageReturn
                      + HintTexts().at(context.random.below(HintTexts().size()));

    task.layout = PointingTaskLayout(QStringLiteral("Klicke mit der Maus auf die Zahl:"), task.taskText);
    task.picture = NumberLinePicture{placed.line, TaskBand(context.drawingWidth - 1), std::nullopt, placed.offset};
    return task;
}
