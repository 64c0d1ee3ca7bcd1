#pragma once
// The voice the program reads with, as a small interface: the window and the menu only
// ask whether it can speak, give it a text, or stop it. The real voice is EspeakSpeech;
// which voice the program uses is ProgramSpeech's (run/ProgramSpeech.h).

#include <QString>

class Speech
{
public:
    virtual ~Speech() = default;

    // Why nothing can be spoken (no sound output, no German voice); empty when it can.
    virtual QString unavailableReason() = 0;
    // Stops what is being said and starts reading `text`; returns at once.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
};
