#pragma once
// Rounding tasks: a whole number, the approximately-equal sign and an empty answer field,
// with the instruction "Runde auf Zehner" (Hunderter, Tausender, Zehntausender) above it.
// Drawing, checking and the correction are left to the exercise window.

#include "core/Generation.h"

// n rounded to a multiple of placeValue; exactly half rounds up.
qint32 RoundHalfUp(qint32 n, qint32 placeValue);

// The task for the number n at level 1 (tens) to 4 (ten-thousands), laid out for context.
GeneratedTask RoundingTask(qint32 n, int level, const GenerationContext &context);

// One rounding task: argument 1 to 4 picks the place, 0 mixes all four places.
GeneratedTask Runden(GenerationContext &context, int argument);
