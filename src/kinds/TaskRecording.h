#pragma once
// What a kind's descriptor says about its answers: how a task is written down in the
// answer record, and the names of the mistakes a wrong answer can show. Recognising them
// is left to ErrorPatterns.

// How the task as the child saw it is written into the answer record.
enum class Recording {
    TaskText,       // the task's own text (the number of dots hidden is never shown)
    NumberLine,     // the ray's two labelled numbers, "300 bis 400"; the answer is a place on it
    LineDistance,   // the same, the answer being the distance of two arrows
    Words,          // the number in words, on one line
    RoundingNumber, // the instruction and the number, "Runde auf Hunderter: 4 350"
    Numeral,        // the Roman numeral alone
    SequenceWithGap,// the terms with "_" for the covered one
    DotField,       // the size of the dot field
};

// The mistakes teachers look for, under their names; Other is any other wrong answer.
enum class ErrorPattern {
    Zahlendreher,     // tens and ones swapped
    Stellenwert,      // a zero missing or too many, a digit in the wrong place
    Rundungsrichtung, // rounded down at 5 or above, or up below 5
    Rundungsstelle,   // rounded to another place
    Skala,            // the number line read with the wrong step
    Nachbarstrich,    // one tick off
    Roemisch,         // a subtractive pair read as written out
    Folge,            // the sequence continued with the wrong step
    Other,
};
