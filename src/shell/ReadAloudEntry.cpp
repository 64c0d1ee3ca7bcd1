#include "shell/ReadAloudEntry.h"

#include "run/ReadAloud.h"
#include "run/ProgramSpeech.h"
#include "voice/Speech.h"

#include <QMenu>
#include <QSignalBlocker>

void AddReadAloudEntry(QMenu *menu)
{
    QAction *entry = menu->addAction(QStringLiteral("Aufgaben &vorlesen"));
    entry->setObjectName(QStringLiteral("Vorlesen"));
    entry->setCheckable(true);
    entry->setChecked(ReadTasksAloudChosen());
    QObject::connect(entry, &QAction::toggled, entry, &ChooseReadTasksAloud);
    // On a shared account the choice is the child's who practises now.
    QObject::connect(menu, &QMenu::aboutToShow, entry, [entry] {
        const QSignalBlocker unchanged(entry);
        entry->setChecked(ReadTasksAloudChosen());
    });
    // The voice and the sound output are looked for when the menu opens, not at start-up;
    // until they are found the entry is grey, and it follows what becomes known.
    menu->setToolTipsVisible(true);
    const auto showWhetherItCanSpeak = [entry] {
        const QString reason = ProgramSpeech().unavailableReason();
        entry->setEnabled(reason.isEmpty());
        entry->setToolTip(reason);
    };
    QObject::connect(menu, &QMenu::aboutToShow, entry, showWhetherItCanSpeak);
    QObject::connect(&ProgramSpeechNews(), &SpeechNews::readinessChanged, entry, showWhetherItCanSpeak);
}
