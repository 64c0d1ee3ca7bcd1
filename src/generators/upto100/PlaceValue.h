#pragma once
// Tens and ones up to 100, written "3 Z 4 E": the child turns them into the number, or
// the number into its tens or its ones. The picture shows the tens as bars of ten and the
// ones as single cubes.

#include "core/Generation.h"

#include <QColor>
#include <QString>

// Every cube of a bar and every single cube is filled with its colour inside a dark edge.
inline const QColor TenBarBlue(70, 130, 180);
inline const QColor UnitCubeOrange(255, 165, 0);

struct PlaceValueTask
{
    enum class Asked { Number, Tens, Ones };
    Asked asked = Asked::Number;
    qint32 tens = 0;
    qint32 ones = 0;              // up to 19 where ten ones are still to be bundled
    bool onesFirst = false;       // "4 E 3 Z"

    qint32 number() const { return 10 * tens + ones; }
};

// Level 1: tens and ones to the number, 1 to 9 tens; level 2: also the number to its tens
// or its ones; level 3: also the ones written first, or 10 to 19 ones to bundle. Never
// above 99.
PlaceValueTask DrawPlaceValueTask(Random &random, int level);

// "3 Z 4 E", or "4 E 3 Z" with the ones first.
QString TensAndOnes(const PlaceValueTask &task);

// Paints the bars and cubes of `tens` and `ones` at the left of the drawing area,
// and, where `labelled`, how many of each stand under them.
void PaintTensAndOnes(QImage &drawing, qint32 tens, qint32 ones, double layoutScale, bool labelled);

// Generator of "Zehner und Einer": the picture comes with the task at the first level,
// later only with the correction.
GeneratedTask ZehnerEiner(GenerationContext &context, int);
