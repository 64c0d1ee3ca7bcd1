#include "run/ExerciseLayout.h"

#include "core/Generation.h"

namespace {

// About a fingertip at the small layout; the large one scales it.
constexpr int FingerSize = 40;

} // namespace

ExerciseLayout ExerciseLayoutFor(int screenHeight)
{
    ExerciseLayout l;
    l.scale = screenHeight > 600 ? 1.28 : 1.0;
    const double s = l.scale;
    l.windowSize = s > 1.0 ? QSize(952, 690) : QSize(750, 540);
    l.answerTop = ScaledRound(124 * s);
    l.labelTop = ScaledRound(128 * s);
    l.labelLeft = ScaledRound(64 * s);
    l.taskBox = QRect(5, 4, ScaledRound(425 * s), ScaledRound(396 * s));
    l.feedbackBox = QRect(ScaledRound(436 * s), 4, ScaledRound(299 * s), ScaledRound(396 * s));
    l.balanceBox = QRect(5, ScaledRound(403 * s), ScaledRound(730 * s), ScaledRound(110 * s));
    l.balanceStrip = QSize(l.balanceBox.width() - 6, ScaledRound(50 * s));
    l.drawing = QRect(10, 49, l.taskBox.width() - 20, l.taskBox.height() - 130);
    l.buttonsTop = l.taskBox.height() - ScaledRound(40 * s);
    l.endButtonLeft = l.taskBox.width() / 2 - 50 - ButtonWidth;
    l.okButtonLeft = l.taskBox.width() / 2 + 50;
    l.barPitch = s == 1.0 ? 11 : 15;
    return l;
}

QRect PadButtonPlace(const ExerciseLayout &layout, int buttonsTop)
{
    const int size = ScaledRound(FingerSize * layout.scale);
    const int rowMiddle = buttonsTop + ButtonHeight / 2;
    return QRect(layout.taskBox.width() / 2 - size / 2, rowMiddle - size / 2, size, size);
}
