#pragma once
// The kinds of the youngest, numbers up to 20 and up to 100: read the number under the
// arrow, point at a number on the ray, write a number given in words. Each grows harder in
// three steps as the balance grows; the rays are the number-line tasks' own pictures.

#include "core/Generation.h"

// 1 up to a balance of 5, 2 up to 10, 3 beyond.
int FirstNumbersLevel(qint32 balance);

// A ray for numbers up to 20 or up to 100, with the number the task is about.
struct FirstNumbersLine
{
    TNumberLine line;
    qint32 number = 0;

    // A tick for every number (labels ten apart), or a tick for every ten (labels 0 and 100).
    bool ticksSingleNumbers() const { return line.endValue - line.startValue == 10; }
};

// Range 20: a tick for every number from 0, labels 0 and 10; level 1 asks 1 to 9, level 2
// 1 to 20 but the labelled 10, level 3 11 to 20.
// Range 100: level 1 a tick for every ten, the number a ten from 10 to 90; level 2 a five
// between two tens; level 3 a section of single numbers from a ten up to 80, the number
// one of the 19 after it but the labelled ten.
FirstNumbersLine PlaceFirstNumbersLine(GenerationContext &context, int range);

// The worked solution: the number counted in ticks from the label or ten before it.
QString CountedOnTheLine(const FirstNumbersLine &placed);

// Read the number under the arrow, on a ray up to `range` (20 or 100).
GeneratedTask StrahlBis(GenerationContext &context, int range);
// Point at the number on a ray up to `range` (20 or 100).
GeneratedTask ZeigenBis(GenerationContext &context, int range);

// Level 1: 10 to 20 and the tens up to 100; level 2: 10 to 99; level 3: two different
// digits, neither 0, where the digits swapped give another number.
qint32 DrawWritingTo100(Random &random, int level);
// Write a number up to 100 given in words.
GeneratedTask SchreibenBis100(GenerationContext &context, int);
