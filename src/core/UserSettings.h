#pragma once
// Where the program keeps each user's own choices, such as reading aloud or the class
// folder chosen last. What a school sets for everyone stays in wolf.cfg.

#include <QSettings>

inline QSettings UserSettings()
{
    return QSettings(QStringLiteral("Brimbelo"), QStringLiteral("Brimbelo"));
}
