#pragma once
// Which voice the program reads with: the real one, loaded on first use, or one a test
// hands in.

#include <QObject>

class Speech;

// Tells the loudspeaker button and the menu entry that what ProgramSpeech() can do may
// have changed. Listening to it loads nothing.
class SpeechNews : public QObject
{
    Q_OBJECT
signals:
    void readinessChanged();
};
SpeechNews &ProgramSpeechNews();

// The voice the exercise window and the title menu use. Its library is loaded in the
// background on first use, so a program that never reads aloud neither loads the voice nor
// opens the sound output, and the window never waits for it. Without the library it says
// why it cannot speak.
Speech &ProgramSpeech();
// Tests hand in their own voice; nullptr goes back to the real one.
void OverrideProgramSpeech(Speech *speech);
