#pragma once
// Where the program keeps each user's own choices, such as reading aloud or the class
// folder chosen last. What a school sets for everyone stays in wolf.cfg. On a class's
// shared account, each child who picked her name under "Wer übt?" has choices of her own.

#include <QSettings>

// The child who practises on a shared account; empty on an account of one's own.
inline QString &settingsChild()
{
    static QString child;
    return child;
}

// From now on UserSettings() hands out `child`'s choices; an empty name gives the account's
// own back.
inline void KeepChoicesFor(const QString &child)
{
    settingsChild() = child;
}

// The account's own choices, whoever practises: what must be known before a child has
// picked her name, such as the window size the toolkit takes at start.
inline QSettings AccountSettings()
{
    return QSettings(QStringLiteral("Brimbelo"), QStringLiteral("Brimbelo"));
}

inline QSettings UserSettings()
{
    if (settingsChild().isEmpty())
        return AccountSettings();
    // A file of her own beside the account's (~/.config/Brimbelo/Kind-Ben Luca.conf).
    return QSettings(QStringLiteral("Brimbelo"), QStringLiteral("Kind-") + settingsChild());
}
