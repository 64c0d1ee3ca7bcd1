#include "run/ReadAloud.h"

#include "core/UserSettings.h"
#include "run/ProgramSpeech.h"
#include "voice/Speech.h"
#include "run/SpokenText.h"

#include <utility>

namespace {

const QString ChoiceKey = QStringLiteral("Vorlesen/Aufgaben");

} // namespace

bool ReadTasksAloudChosen()
{
    return UserSettings().value(ChoiceKey, false).toBool();
}

void ChooseReadTasksAloud(bool chosen)
{
    UserSettings().setValue(ChoiceKey, chosen);
}

void ReadAloud::taskPosed(qint32 kind, const GeneratedTask &task)
{
    m_spokenTask = SpokenTask(kind, task);
    const QString word = takeWord();
    sayIfChosen(word.isEmpty() ? m_spokenTask : word + QLatin1Char(' ') + m_spokenTask);
}

void ReadAloud::answerJudged(const QString &word)
{
    m_pendingWord = word;
}

void ReadAloud::correctionShown(qint32 kind, const QString &solutionText, const QString &mistakeNote)
{
    sayIfChosen(SpokenCorrection(kind, takeWord(), solutionText, mistakeNote));
}

void ReadAloud::readTask()
{
    if (!m_spokenTask.isEmpty())
        ProgramSpeech().say(m_spokenTask);
}

void ReadAloud::fallSilent()
{
    m_pendingWord.clear();
    ProgramSpeech().stop();
}

void ReadAloud::sayIfChosen(const QString &text)
{
    if (ReadTasksAloudChosen())
        ProgramSpeech().say(text);
    else
        ProgramSpeech().stop();
}

QString ReadAloud::takeWord()
{
    return std::exchange(m_pendingWord, QString());
}
