#pragma once
// Paints the picture of a number-line task into the drawing area's retained image: once
// when the task is posed and once more before the correction of a wrong answer. When to
// call them is the exercise window's business.

#include "core/Generation.h"

class QImage;

// Clears the task band, then paints the ray with its labels and arrow, and the second
// arrow of a distance task.
void PaintNumberLineTask(QImage &drawing, const NumberLinePicture &picture, bool arrowShown,
                         bool taskFailed, double layoutScale);

// Shows where the number the child had to find lies, when the picture holds such a place.
void PaintPlaceOfNumber(QImage &drawing, const NumberLinePicture &picture);

// Paints the ray again with the help labels of a failed task.
void PaintNumberLineCorrection(QImage &drawing, const TNumberLine &line, bool arrowShown,
                               double layoutScale);
