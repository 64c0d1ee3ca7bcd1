#pragma once
// The animals beside the children's names under "Wer übt?": twelve simple faces of our
// own, painted in any size, each on one of six light colours.

#include "core/ClassList.h"

#include <QPixmap>
#include <QString>

// The animal's German name, for screen readers.
QString AnimalName(int animal);
// The picture `side` pixels square, sharp at the screen's pixel density `density`.
QPixmap AnimalPixmap(const AnimalPicture &picture, int side, qreal density);
