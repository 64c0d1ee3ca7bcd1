#pragma once
// The on-screen number pad of the exercise window: its keys and what each sends, whether
// the user wants it, and where it stands for a layout and kind, so that it covers nothing
// the task or the reward shows. The buttons themselves are TZiffernblock's.

#include "run/ExerciseLayout.h"

#include <QList>
#include <QRect>
#include <QString>

struct PadKey
{
    QString label;
    QString accessibleName;
    int key = 0;        // the key it presses in the answer field (Qt::Key); 0 for "OK"
    QString text;       // the character that key types, empty for the eraser and "OK"
};

// "1" to "9", "0", "⌫" and "OK", in the order the pad shows them.
const QList<PadKey> &PadKeys();

// The user's choice "Ziffernblock"; before the first choice it follows whether a touch
// screen is present.
bool NumberPadChosen(bool touchScreenPresent);
void ChooseNumberPad(bool chosen);
bool TouchScreenPresent();

struct PadPlacement
{
    bool offered = false;    // the task is typed, so the pad's button is there to show it
    bool shown = false;
    QList<QRect> keys;       // in the feedback box, in the order of PadKeys()
    int rewardSurfaceTop = 0;   // the reward animation moves up to leave the pad its room
};

// Two rows of six keys at the foot of the feedback box "Meine Antwort", under the reward
// animation, when the pad is chosen; none in "Zahlen zeigen", which is answered on the
// number line.
PadPlacement PlaceNumberPad(const ExerciseLayout &layout, qint32 kind, int rewardSurfaceHeight, bool chosen);
