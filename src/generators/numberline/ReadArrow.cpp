#include "generators/numberline/NumberLine.h"
#include "generators/numberline/NumberLineTasks.h"
#include "core/DigitGroups.h"

ReadingLine PlaceReadingLine(GenerationContext &context, int spacingLevel, int rangeLevel)
{
    const qint32 balance = context.balance();
    ReadingLine placed;
    do {
        placed.offset = ReadingOffset(context.random, spacingLevel);
        if (rangeLevel == 0)
            rangeLevel = RandomRangeLevel(context.random);
        placed.section = ReadingSection(context.random, rangeLevel, spacingLevel, balance);
        SetNumberLine(placed.line, placed.section.start, placed.section.start + placed.section.span,
                      spacingLevel, placed.offset);
        // The larger picture spreads every unit over one pixel more.
        if (context.layoutScale > 1.0)
            ++placed.line.pixelsPerUnit;
    } while (placed.line.arrowOffset * placed.line.pixelsPerUnit >= context.drawingWidth - 20);
    return placed;
}

LabelSetup TaskQuestion(const QString &caption, int top)
{
    LabelSetup label;
    label.caption = caption;
    label.font = FontSpec{QStringLiteral("Comic Sans MS"), 12, false};
    label.left = 8;
    label.top = top;
    return label;
}

QRect TaskBand(int rightEdge)
{
    // Right and bottom edges excluded, as the band is filled as a rectangle.
    return QRect(QPoint(1, 30), QPoint(rightEdge - 1, 99));
}

TaskLayout ReadingTaskLayout(GenerationContext &context, qint32 expectedAnswer)
{
    TaskLayout layout;
    layout.label1 = TaskQuestion(QStringLiteral("Auf welche Zahl zeigt der Pfeil?"), 30);
    layout.label3.caption = QString();
    layout.edit1.top = 150;
    layout.edit1.width = AnswerFieldWidth(context, expectedAnswer);
    return layout;
}

GeneratedTask ZStrahl(GenerationContext &context, int rangeLevel)
{
    const int spacingLevel = ReadingSpacingLevel(context.random, context.balance());
    const ReadingLine placed = PlaceReadingLine(context, spacingLevel, rangeLevel);
    const qint32 expected = placed.section.valueAt(placed.offset);

    GeneratedTask task;
    task.expectedAnswer = expected;
    task.taskText = FormatGrouped(expected);
    // Two tasks in a row never point at the same spot.
    task.repeatKey = FormatGrouped(placed.offset);
    task.solutionText = FormatGrouped(expected);
    task.layout = ReadingTaskLayout(context, expected);
    task.picture = NumberLinePicture{placed.line, TaskBand(context.drawingWidth - 1), std::nullopt};
    return task;
}
