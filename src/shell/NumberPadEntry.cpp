#include "shell/NumberPadEntry.h"

#include "run/NumberPad.h"

#include <QMenu>
#include <QSignalBlocker>

void AddNumberPadEntry(QMenu *menu)
{
    QAction *entry = menu->addAction(QStringLiteral("&Ziffernblock"));
    entry->setObjectName(QStringLiteral("Ziffernblock"));
    entry->setCheckable(true);
    entry->setChecked(NumberPadChosen(TouchScreenPresent()));
    QObject::connect(entry, &QAction::toggled, entry, &ChooseNumberPad);
    // The exercise window's own button may have changed the choice since, and on a shared
    // account the choice is the child's who practises now.
    QObject::connect(menu, &QMenu::aboutToShow, entry, [entry] {
        const QSignalBlocker quiet(entry);
        entry->setChecked(NumberPadChosen(TouchScreenPresent()));
    });
}
