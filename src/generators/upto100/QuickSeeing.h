#pragma once
// Quick seeing up to 20: dots in a field of two rows of ten, each row parted into fives,
// shown for a moment and then covered; the child types how many there were.

#include "core/Generation.h"

#include <QColor>

inline const QColor TwentyFieldDot(200, 0, 0);
inline const QColor TwentyFieldCover(90, 90, 90);

// The dots of the upper and the lower row, each filled from the left.
struct TwentyFieldDots
{
    qint32 upper = 0;
    qint32 lower = 0;

    qint32 count() const { return upper + lower; }
};

// Level 1: 1 to 10 in the upper row; level 2: 11 to 20, the upper row full; level 3: 1 to
// 9 in each row.
TwentyFieldDots DrawTwentyFieldDots(Random &random, int level);

// How long the dots are shown: 3 seconds up to a balance of 0, a tenth of a second less
// for every point above, never less than 1 second.
int LookingTimeMs(qint32 balance);

// The field with its dots; covered, the field lies under a cover; corrected, each row
// shows its count beside it.
void PaintTwentyField(QImage &drawing, const TwentyFieldDots &dots, const PictureMoment &moment);

// Generator of "Wie viele?".
GeneratedTask WieViele(GenerationContext &context, int);
