#pragma once
// How the program's windows follow each other. The windows do not know one another; the
// shell connects what one says to what the other does.

class TForm2;
class TTitelbild;

// While a run is open the title window steps aside; when the exercise window closes it
// comes back where that window stood.
void ConnectRunToTitle(TForm2 *exercise, TTitelbild *title);

// Creates the exercise window and its correction dialog, owned by the title window but
// not connected to it: for a start straight into one exercise.
void CreateExerciseWindows(TTitelbild *owner);

// Creates the exercise window and its correction dialog, connected to the title window.
// Each window belongs to the one it opens from, so the window manager keeps it in front
// of that one.
void CreateRunWindows(TTitelbild *title);
