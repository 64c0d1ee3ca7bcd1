#pragma once
// Paints the picture of a number-line task into the drawing area's retained image: once
// when the task is posed and once more before the correction of a wrong answer. When to
// call them is the exercise window's business.

#include "run/types/Generation.h"

class QImage;

// Clears the task band, then paints the ray with its labels and arrow, and the second
// arrow of a distance task.
void PaintNumberLineTask(QImage &drawing, const NumberLinePicture &picture, qint32 kind,
                         bool taskFailed, double layoutScale);

// Paints the ray again with the help labels of a failed task. The distance picture is
// left as it stands: it never shows help labels.
void PaintNumberLineCorrection(QImage &drawing, const TNumberLine &line, qint32 kind,
                               double layoutScale);
