#pragma once
// Helpers shared by the tests: a text measure that needs no fonts, and a generation
// context laid out like the exercise window at either scale.

#include "run/ExerciseLayout.h"
#include "core/Generation.h"

// Every character is two thirds of the point size plus one pixel wide (8 points for the
// window's own font), so widths grow with text and font as real ones do.
inline int FakeTextWidth(const QString &text, const FontSpec &font)
{
    const int size = font.pointSize > 0 ? font.pointSize : 8;
    return int(text.size()) * (size * 2 / 3 + 1);
}

inline GenerationContext MakeContext(Random &random, qint32 rightCount = 0, qint32 wrongCount = 0,
                                     double scale = 1.0)
{
    const ExerciseLayout layout = ExerciseLayoutFor(scale > 1.0 ? 768 : 600);
    GenerationContext context{.random = random};
    context.rightCount = rightCount;
    context.wrongCount = wrongCount;
    context.layoutScale = layout.scale;
    context.taskBoxWidth = layout.taskBox.width();
    context.taskBoxHeight = layout.taskBox.height();
    context.drawingWidth = layout.drawing.width();
    context.drawingHeight = layout.drawing.height();
    context.buttonHeight = ButtonHeight;
    context.textWidth = FakeTextWidth;
    return context;
}
