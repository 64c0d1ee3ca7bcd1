// The exercise window's drawing area: the picture of each task when it is posed, covered
// and corrected. What the pictures show is decided by their generators.

#include "run/widgets/TForm2.h"

#include "generators/counting/DotGrid.h"
#include "generators/numberline/NumberLinePainting.h"
#include "kinds/Kinds.h"
#include "run/BalanceStrip.h"
#include "run/RunState.h"
#include "run/SpokenText.h"
#include "run/widgets/TImageView.h"

#include <QTimer>

void TForm2::clearDrawingArea()
{
    PaintBox1->image().fill(Silver);
    PaintBox1->update();
}

void TForm2::paintTaskPicture()
{
    const PracticeRun &run = currentRun();
    m_coverClock->stop();
    clearDrawingArea();
    if (const auto *line = std::get_if<NumberLinePicture>(&run.taskPicture)) {
        PaintNumberLineTask(PaintBox1->image(), *line, !run.kindInfo().answeredByPointing(),
                            run.currentTask.taskFailed, run.layoutScale);
    } else if (std::holds_alternative<DotPicture>(run.taskPicture)) {
        DrawDotGrid(PaintBox1->image(), run.coverTriangle, run.dotGridSize, DotDiameter(run.layoutScale), false);
    } else if (const auto *own = std::get_if<PaintedPicture>(&run.taskPicture)) {
        own->paint(PaintBox1->image(), PictureMoment{run.layoutScale, false, false});
        if (own->coverAfterMs > 0)
            m_coverClock->start(own->coverAfterMs);
    }
    PaintBox1->setAccessibleName(PictureDescription(run.taskPicture, PaintBox1->width()));
}

void TForm2::coverTaskPicture()
{
    const PracticeRun &run = currentRun();
    const auto *own = std::get_if<PaintedPicture>(&run.taskPicture);
    // A correction on screen keeps the picture open.
    if (own == nullptr || run.ended || run.currentTask.taskFailed)
        return;
    clearDrawingArea();
    own->paint(PaintBox1->image(), PictureMoment{run.layoutScale, true, false});
}

void TForm2::paintCorrectionPicture()
{
    const PracticeRun &run = currentRun();
    m_coverClock->stop();
    if (std::holds_alternative<NumberLinePicture>(run.taskPicture) && run.kindInfo().redrawsPicture)
        PaintNumberLineCorrection(PaintBox1->image(), run.numberLine, !run.kindInfo().answeredByPointing(),
                                  run.layoutScale);
    else if (std::holds_alternative<DotPicture>(run.taskPicture))
        DrawDotGrid(PaintBox1->image(), run.coverTriangle, run.dotGridSize, DotDiameter(run.layoutScale), true);
    else if (const auto *own = std::get_if<PaintedPicture>(&run.taskPicture)) {
        clearDrawingArea();
        own->paint(PaintBox1->image(), PictureMoment{run.layoutScale, false, true});
    }
    if (const auto *line = std::get_if<NumberLinePicture>(&run.taskPicture))
        PaintPlaceOfNumber(PaintBox1->image(), *line);
    PaintBox1->update();
}
