#pragma once
// The ground colour of the program's windows. The pictures in them are drawn on the same
// ground, so that a picture sits in its window without a seam.

#include <QColor>

inline constexpr QColor Silver(192, 192, 192);
