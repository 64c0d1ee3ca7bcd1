#pragma once
// The voice the program reads with, as a small interface: the window and the menu only
// ask whether it can speak, give it a text, or stop it. The real voice is EspeakSpeech;
// tests use RecordingSpeech, which keeps what it was told.

#include <QString>
#include <QStringList>

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

// The voice the exercise window and the title menu use. Its library is loaded in the
// background on first use, so a program that never reads aloud neither loads the voice nor
// opens the sound output, and the window never waits for it. Without the library it says
// why it cannot speak.
Speech &ProgramSpeech();
// Tests hand in their own voice; nullptr goes back to the real one.
void OverrideProgramSpeech(Speech *speech);

// Keeps what it was told instead of speaking.
class RecordingSpeech : public Speech
{
public:
    explicit RecordingSpeech(QString reason = QString()) : m_reason(std::move(reason)) {}

    QString unavailableReason() override { return m_reason; }
    void say(const QString &text) override
    {
        said << text;
        speaking = true;
    }
    void stop() override { speaking = false; }

    QStringList said;
    bool speaking = false;

private:
    QString m_reason;
};
