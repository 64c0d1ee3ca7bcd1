#pragma once
// The writing-numbers task: a number in German words, the child writes it in digits.
// Draws the number for the level, lays out instruction, words and answer field; the
// exercise window shows them.

#include "core/Generation.h"

#include <functional>

// True when n, written right-aligned in nine places, has at least k digits 0 (the blanks
// in front of the number do not count).
bool HasZeroDigits(qint32 n, int k);

// The number of a writing task: level 1 from 11 to 1 000; level 2 from 10 001 to 99 999
// with a digit 0; level 3 from 1 000 001 to 98 999 999 with three digits 0. Uniform over
// the set.
qint32 DrawWritingNumber(Random &random, int level);

// The worked solution: the words, a line break, "= " and the number in digit groups.
QString WritingSolutionText(qint32 n);

// A writing task for a number from `draw`, drawn again until its words fit the task box.
GeneratedTask WritingTask(GenerationContext &context, const std::function<qint32(Random &)> &draw);

// Generator of the kinds 201, 202 and 203 (levels 1, 2, 3).
GeneratedTask Schreiben(GenerationContext &context, int level);
