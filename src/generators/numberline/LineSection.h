#pragma once
// The random choices shared by the number-line tasks: how wide the ticks stand, where the
// arrow (or the number to find) lies and which section of the ray is shown. What is asked
// and how the task area looks is left to each task.

#include "core/Random.h"

#include <QtGlobal>

struct LineSection
{
    qint32 start = 0;   // number at the left end
    qint32 span = 100;  // labelled span: 100, or 1000 where a unit is worth 10

    qint32 unitValue() const { return span / 100; }
    qint32 valueAt(qint32 offset) const { return start + offset * unitValue(); }
};

// 1 (ticks close together, arrow on a tick) to 3, growing with the balance: 1 up to a
// balance of 5, then 2 or 3, and above 10 any of the three.
int ReadingSpacingLevel(Random &random, qint32 balance);

// Offset in units: level 1 every 10 from 0 to 290, level 2 every 5 from 0 to 145,
// level 3 every 5 from 5 to 100.
qint32 ReadingOffset(Random &random, int spacingLevel);

// The section for a range of 1 (up to 200), 2 (up to 1000) or 3 (up to 10 000); lines of
// spacing level 1 always start at 0, and a better balance brings starts off the grid of
// hundreds and, in range 3, spans of 100.
LineSection ReadingSection(Random &random, int rangeLevel, int spacingLevel, qint32 balance);

// Mixed tasks draw their range anew for every task.
inline int RandomRangeLevel(Random &random) { return random.between(1, 3); }
