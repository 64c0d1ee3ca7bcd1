#pragma once
// The generators of the number-line kinds: read the number under the arrow (102 to 105),
// show a number by clicking on the ray (109) and read the distance of two arrows (110).
// They describe the task and its picture; the exercise window applies and paints them.

#include "generators/numberline/LineSection.h"
#include "core/Generation.h"

#include <QStringList>
#include <optional>

GeneratedTask ZStrahl(GenerationContext &context, int rangeLevel);
GeneratedTask ZZeigen(GenerationContext &context, int level);
GeneratedTask Abstand(GenerationContext &context, int level);

// Hints shown in the correction of a wrong click, after the place of the number.
const QStringList &HintTexts();

// Shared by the tasks: the line of a reading task with its section and offset, chosen
// again until the arrow's column lies left of the last 10 pixels of the picture.
struct ReadingLine
{
    TNumberLine line;
    LineSection section;
    qint32 offset = 0;
};
// rangeLevel 0 draws the range on the first pass and keeps it for the repetitions.
ReadingLine PlaceReadingLine(GenerationContext &context, int spacingLevel, int rangeLevel);

// The question above the picture, in the task font.
LabelSetup TaskQuestion(const QString &caption, int top);
// The task band of the drawing area, cleared before the picture is drawn.
QRect TaskBand(int rightEdge);
// The task area of a number read under the arrow and typed into the answer field.
TaskLayout ReadingTaskLayout(GenerationContext &context, qint32 expectedAnswer);
// The task area of a number shown by pointing at the ray: the question, the number to
// find beside it, no answer field.
TaskLayout PointingTaskLayout(const QString &question, const QString &number);
