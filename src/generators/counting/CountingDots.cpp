#include "generators/counting/CountingDots.h"

#include "generators/counting/DotGrid.h"
#include "core/DigitGroups.h"

namespace {

const FontSpec questionFont{QStringLiteral("Comic Sans MS"), 12, false};

} // namespace

TCoverTriangle DrawCoverTriangle(Random &random, QSize area)
{
    TCoverTriangle triangle;
    for (QPoint &corner : triangle)
        corner = QPoint(10 + random.below(area.width() - 20), 10 + random.below(area.height() - 20));
    return triangle;
}

GeneratedTask Zaehlen(GenerationContext &context, int /*level*/)
{
    GeneratedTask task;
    const QSize area(context.drawingWidth, context.drawingHeight);
    const int gridSize = DotGridSize(context.balance());

    // A triangle that hides no dot is no task; the bound only matters for a drawing area
    // too small to hold a triangle.
    DotPicture picture;
    picture.gridSize = gridSize;
    qint32 hidden = 0;
    for (int pass = 0; pass < MaxLayoutRedraws && hidden == 0; ++pass) {
        picture.triangle = DrawCoverTriangle(context.random, area);
        hidden = qint32(CoveredDots(picture.triangle, gridSize, area, DotDiameter(context.layoutScale)).size());
    }
    task.picture = picture;
    task.expectedAnswer = hidden;
    task.taskText = FormatGrouped(hidden);
    task.solutionText = task.taskText;

    const QString question = QStringLiteral("Wie viele Punkte sind verdeckt?");
    TaskLayout &layout = task.layout;
    layout.praiseVisible = false;
    layout.label1.caption = question;
    layout.label1.font = questionFont;
    layout.label1.left = 8;
    layout.label1.top = 20;
    layout.label1.width = context.textWidth(question, questionFont);
    layout.label3.caption = QString();
    layout.label3.visible = false;
    layout.buttonsTop = context.taskBoxHeight - context.buttonHeight - 20;
    layout.edit1.top = 20;
    layout.edit1.width = ScaledRound(50 * context.layoutScale);
    layout.edit1.left = 8 + *layout.label1.width + 20;
    return task;
}
