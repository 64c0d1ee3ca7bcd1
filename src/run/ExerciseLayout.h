#pragma once
// Where the exercise window puts its boxes and controls at the start of a run. Screens
// taller than 600 pixels get the larger layout (scale 1.28).

#include <QRect>
#include <QSize>

struct ExerciseLayout
{
    double scale = 1.0;
    QSize windowSize;        // outer size
    QRect taskBox;           // "Deine Aufgaben"
    QRect feedbackBox;       // "Meine Antwort" (its top is fixed; height as the task box)
    QRect balanceBox;        // "Erfolgsbilanz"
    QSize balanceStrip;      // the bitmap with scale, boxes and counters
    QRect drawing;           // drawing area, inside the task box
    int answerTop = 0;       // answer field
    int labelTop = 0;        // texts before and after it
    int labelLeft = 0;
    int buttonsTop = 0;      // "&Okay" and "&Ende"
    int endButtonLeft = 0;
    int okButtonLeft = 0;
    int barPitch = 11;       // distance of the balance boxes and scale ticks
};

inline constexpr int ButtonWidth = 75;
inline constexpr int ButtonHeight = 25;

ExerciseLayout ExerciseLayoutFor(int screenHeight);

// The button that shows or hides the number pad, in the task box: a square for a finger
// between "&Ende" and "&Okay", centred on their row (which a task may move to
// `buttonsTop`), where no task writes or draws.
QRect PadButtonPlace(const ExerciseLayout &layout, int buttonsTop);
