#pragma once
// The voice the program reads with, as a small interface: the window and the menu only
// ask whether it can speak, give it a text, or stop it. The real voice is EspeakSpeech;
// which voice the program uses is ProgramSpeech's (run/ProgramSpeech.h).

#include <QString>

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
