#pragma once
// The Roman-numeral task: a numeral that grows with the run's balance, the child writes
// its value in ordinary digits. The numeral rules are plain functions; the exercise
// window shows the layout the generator describes.

#include "core/Generation.h"

// The numeral of v in subtractive notation for 1 <= v <= 3 999; empty outside.
QString RomanNumeral(qint32 v);

// Difficulty m: the balance plus one while there are fewer wrong than right answers,
// otherwise 1.
qint32 RomanDifficulty(qint32 rightCount, qint32 wrongCount);

// The largest value posed at difficulty m: 2·m², but never 4 000 or more.
qint32 RomanValueLimit(qint32 m);

// Generator of kind 401 (the level is not used).
GeneratedTask Roemisch(GenerationContext &context, int level);
