#include "run/Speech.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

Speech *speechOverride = nullptr;

using CreateSpeech = Speech *(*)(QObject *parent);

// Beside the executable (a build), where the installation puts it, or in the build tree
// (the tests' executables live in a folder of their own).
QStringList voiceLibraryPlaces()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QStringLiteral("libbrimbelo_voice.so")),
            programFolder.filePath(QStringLiteral("../" BRIMBELO_VOICE_INSTALL_DIR "/libbrimbelo_voice.so")),
            QStringLiteral(BRIMBELO_VOICE_BUILD_FILE)};
}

Speech *loadVoice()
{
    for (const QString &place : voiceLibraryPlaces()) {
        QLibrary library(place);
        const auto create = reinterpret_cast<CreateSpeech>(library.resolve("CreateGermanSpeech"));
        // The voice lives as long as the application; its worker is joined before the
        // toolkit goes.
        if (create != nullptr)
            return create(QCoreApplication::instance());
    }
    static RecordingSpeech missing(QStringLiteral("Keine deutsche Stimme gefunden"));
    return &missing;
}

} // namespace

Speech &ProgramSpeech()
{
    if (speechOverride != nullptr)
        return *speechOverride;
    static Speech *const voice = loadVoice();
    return *voice;
}

void OverrideProgramSpeech(Speech *speech)
{
    speechOverride = speech;
}
