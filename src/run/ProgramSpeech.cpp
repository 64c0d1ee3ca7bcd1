#include "run/ProgramSpeech.h"
#include "voice/Speech.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QThreadPool>
#include <optional>

namespace {

Speech *speechOverride = nullptr;

using CreateSpeech = Speech *(*)(QObject *parent);

// Beside the executable (a build) or where the installation puts it, both found from the
// program's own folder: a place named at build time would let whoever can write there
// run code in every user's program.
QStringList voiceLibraryPlaces()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QStringLiteral(BRIMBELO_VOICE_FILE)),
            programFolder.filePath(QStringLiteral("../" BRIMBELO_VOICE_INSTALL_DIR "/" BRIMBELO_VOICE_FILE))};
}

CreateSpeech findVoice()
{
    for (const QString &place : voiceLibraryPlaces()) {
        if (auto create = reinterpret_cast<CreateSpeech>(QLibrary(place).resolve("CreateGermanSpeech")))
            return create;
    }
    return nullptr;
}

void announceReadiness()
{
    emit ProgramSpeechNews().readinessChanged();
}

// Stands for the voice while its library (and the sound libraries behind it, some tens of
// milliseconds) loads on a worker thread, then passes everything on to it. Meanwhile it
// is being prepared and keeps the last text it was given, unless told to stop.
class LoadingVoice : public Speech
{
public:
    LoadingVoice()
    {
        QThreadPool::globalInstance()->start([this] {
            const CreateSpeech create = findVoice();
            QMetaObject::invokeMethod(QCoreApplication::instance(), [this, create] { loaded(create); },
                                      Qt::QueuedConnection);
        });
    }

    QString unavailableReason() override
    {
        if (m_voice != nullptr)
            return m_voice->unavailableReason();
        return m_missing ? QStringLiteral("Keine deutsche Stimme gefunden") : VoiceBeingPrepared;
    }
    void say(const QString &text) override
    {
        if (m_voice != nullptr)
            m_voice->say(text);
        else
            m_waiting = text;
    }
    void stop() override
    {
        if (m_voice != nullptr)
            m_voice->stop();
        m_waiting.reset();
    }

private:
    void loaded(CreateSpeech create)
    {
        m_missing = create == nullptr;
        if (!m_missing) {
            // Lives as long as the application; its worker is joined before the toolkit goes.
            m_voice = create(QCoreApplication::instance());
            m_voice->onReadinessChanged(announceReadiness);
            if (m_waiting)
                m_voice->say(*m_waiting);
        }
        m_waiting.reset();
        announceReadiness();
    }

    Speech *m_voice = nullptr;
    bool m_missing = false;
    std::optional<QString> m_waiting;
};

} // namespace

Speech &ProgramSpeech()
{
    if (speechOverride != nullptr)
        return *speechOverride;
    static LoadingVoice voice;
    return voice;
}

void OverrideProgramSpeech(Speech *speech)
{
    speechOverride = speech;
    if (speech != nullptr) {
        speech->onReadinessChanged(announceReadiness);
        announceReadiness();
    }
}

SpeechNews &ProgramSpeechNews()
{
    static SpeechNews news;
    return news;
}
