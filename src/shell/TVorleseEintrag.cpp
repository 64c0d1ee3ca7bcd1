#include "shell/TVorleseEintrag.h"

#include "run/ReadAloud.h"
#include "run/ProgramSpeech.h"
#include "voice/Speech.h"

#include <QMenu>

void AddReadAloudEntry(QMenu *menu)
{
    QAction *entry = menu->addAction(QStringLiteral("Aufgaben &vorlesen"));
    entry->setObjectName(QStringLiteral("Vorlesen"));
    entry->setCheckable(true);
    entry->setChecked(ReadTasksAloudChosen());
    QObject::connect(entry, &QAction::toggled, entry, &ChooseReadTasksAloud);
    // The sound output is looked for when the menu opens, not at start-up.
    menu->setToolTipsVisible(true);
    QObject::connect(menu, &QMenu::aboutToShow, entry, [entry] {
        const QString reason = ProgramSpeech().unavailableReason();
        entry->setEnabled(reason.isEmpty());
        entry->setToolTip(reason);
    });
}
