#pragma once
// A run of blanks, for tests that build padded texts.

#include <QString>

inline QString Spaces(int n)
{
    return n > 0 ? QString(n, QLatin1Char(' ')) : QString();
}
