#pragma once
// German number words for the writing-numbers task: below one million one word, from one
// million on the millions part, " Million" (for exactly one) or " Millionen", a carriage
// return and the rest as one word.
// Pure; showing and measuring the words is left to the generator.

#include <QString>

// The words of n for 10 <= n <= 999 999 999; an empty text outside that range.
QString NumberToWords(qint32 n);
