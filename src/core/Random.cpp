#include "core/Random.h"

#include <QDateTime>
#include <QTime>

void Random::seedFromClock()
{
    seed(quint32(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay()));
}

qint32 Random::below(qint32 n)
{
    if (n <= 0)
        return 0;
    // Multiply-shift keeps the draw uniform enough for n far below 2^32 and, unlike the
    // standard distributions, gives the same sequence with every library.
    return qint32((quint64(m_engine()) * quint64(n)) >> 32);
}

double Random::fraction()
{
    return double(m_engine()) / 4294967296.0;
}

Random &sharedRandom()
{
    static Random shared;
    return shared;
}
