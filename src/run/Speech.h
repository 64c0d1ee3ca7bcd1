#pragma once
// The voice the program reads with, as a small interface: the window and the menu only
// ask whether it can speak, give it a text, or stop it. The real voice is EspeakSpeech;
// tests use RecordingSpeech, which keeps what it was told.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

// What the voice gives as its reason while it is still being loaded: until it is known to
// speak, nothing may look ready to.
inline const QString VoiceBeingPrepared = QStringLiteral("Die Stimme wird vorbereitet …");

class Speech
{
public:
    virtual ~Speech() = default;

    // Why nothing can be spoken (still being prepared, no German voice, no sound output,
    // a sound output that fails); empty when it can.
    virtual QString unavailableReason() = 0;
    // Stops what is being said and starts reading `text`; returns at once.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;

    // Called on the window's thread whenever unavailableReason() may have changed.
    void onReadinessChanged(std::function<void()> changed) { m_changed = std::move(changed); }

protected:
    void readinessChanged() const
    {
        if (m_changed)
            m_changed();
    }

private:
    std::function<void()> m_changed;
};

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
