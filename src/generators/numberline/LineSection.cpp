#include "generators/numberline/LineSection.h"

namespace {

// Start on a grid of `step` with `count` places, or 0 where the ticks stand close.
qint32 gridStart(Random &random, int spacingLevel, qint32 step, qint32 count)
{
    return spacingLevel == 1 ? 0 : step * random.below(count);
}

} // namespace

int ReadingSpacingLevel(Random &random, qint32 balance)
{
    if (balance <= 5)
        return 1;
    if (balance <= 10)
        return random.between(2, 3);
    return random.between(1, 3);
}

qint32 ReadingOffset(Random &random, int spacingLevel)
{
    switch (spacingLevel) {
    case 1:
        return 10 * random.below(30);
    case 2:
        return 5 * random.below(30);
    default:
        return 5 * random.between(1, 20);
    }
}

LineSection ReadingSection(Random &random, int rangeLevel, int spacingLevel, qint32 balance)
{
    switch (rangeLevel) {
    case 1:
        return {gridStart(random, spacingLevel, 10, 10), 100};
    case 2: {
        qint32 start = gridStart(random, spacingLevel, 100, 10);
        if (balance > 2 && random.fraction() < 0.7)
            start = 10 * random.below(90);
        // Close ticks are for beginners: their line always starts at 0.
        if (spacingLevel == 1)
            start = 0;
        return {start, 100};
    }
    default:
        if (balance > 2 && random.fraction() < 0.6)
            return {gridStart(random, spacingLevel, 100, 100), 100};
        return {gridStart(random, spacingLevel, 1000, 10), 1000};
    }
}
