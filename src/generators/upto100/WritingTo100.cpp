#include "generators/upto100/FirstNumbers.h"

#include "generators/writing/WritingNumbers.h"

namespace {

// Whether the digits of a two-digit number, swapped, give another two-digit number: where
// a child who writes the ones first is caught.
bool swapsIntoAnother(qint32 n)
{
    return n >= 10 && n <= 99 && n % 10 != 0 && n % 10 != n / 10;
}

} // namespace

qint32 DrawWritingTo100(Random &random, int level)
{
    switch (level) {
    case 1: {
        // 10 to 20, then 30, 40, ... 100.
        const qint32 pick = random.below(19);
        return pick <= 10 ? 10 + pick : 10 * (pick - 8);
    }
    case 2:
        return random.between(10, 99);
    default: {
        qint32 n = 0;
        do {
            n = random.between(12, 98);
        } while (!swapsIntoAnother(n));
        return n;
    }
    }
}

GeneratedTask SchreibenBis100(GenerationContext &context, int)
{
    const int level = FirstNumbersLevel(context.balance());
    return WritingTask(context, [level](Random &random) { return DrawWritingTo100(random, level); });
}
