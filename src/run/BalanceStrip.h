#pragma once
// The balance strip along the bottom of the exercise window: a scale from 0 to 50, a
// green box per right and a red box per wrong answer, and both counts. Drawn into an
// image the window keeps and shows; lines and boxes without antialiasing, so their
// pixels are exact.

#include "core/WindowColours.h"
#include "run/ExerciseLayout.h"

#include <QColor>
#include <QImage>
#include <QString>

inline const QColor RightBoxColour(0, 255, 0);
inline const QColor WrongBoxColour(255, 0, 0);

// Clears the strip and draws the two captions, the empty counters and the scale.
void DrawBalanceScale(QImage &strip, const ExerciseLayout &layout);
// Draws the boxes and the counters of the run over the scale.
void DrawBalanceCounts(QImage &strip, const ExerciseLayout &layout, qint32 rightCount, qint32 wrongCount);
// The counts as text, for assistive technology: the strip only paints them.
QString BalanceCountsText(qint32 rightCount, qint32 wrongCount);
// The whole strip as it stands for these counts.
void DrawBalanceStrip(QImage &strip, const ExerciseLayout &layout, qint32 rightCount, qint32 wrongCount);
