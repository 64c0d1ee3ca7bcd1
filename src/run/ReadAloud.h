#pragma once
// When the program reads aloud during a run: every new task while reading is switched
// on, the current task whenever the loudspeaker button asks, and the praise or blame word
// together with the worked solution. A new task, the correction, the end of the run and
// closing the window stop what is being said. The voice is ProgramSpeech(); the button and
// the menu entry are left to the widgets.

#include "core/Generation.h"

#include <QString>

// The child's (or parent's) choice "Aufgaben vorlesen", kept per user; off until chosen.
bool ReadTasksAloudChosen();
void ChooseReadTasksAloud(bool chosen);

class ReadAloud
{
public:
    void taskPosed(qint32 kind, const GeneratedTask &task);
    // The word is said together with what follows it at once: the next task or the
    // correction. Said on its own it would be cut off by them.
    void answerJudged(const QString &word);
    void correctionShown(qint32 kind, const QString &solutionText, const QString &mistakeNote);
    void readTask();
    void fallSilent();

    const QString &spokenTask() const { return m_spokenTask; }

private:
    // Says the text when reading is switched on, else stops what the button started.
    void sayIfChosen(const QString &text);
    QString takeWord();

    QString m_spokenTask;
    QString m_pendingWord;
};
