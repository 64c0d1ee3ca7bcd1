#include "shell/NumberPadEntry.h"

#include "run/NumberPad.h"

#include <QMenu>

void AddNumberPadEntry(QMenu *menu)
{
    QAction *entry = menu->addAction(QStringLiteral("&Ziffernblock"));
    entry->setObjectName(QStringLiteral("Ziffernblock"));
    entry->setCheckable(true);
    entry->setChecked(NumberPadChosen(TouchScreenPresent()));
    QObject::connect(entry, &QAction::toggled, entry, &ChooseNumberPad);
}
