#include "shell/InfoTexts.h"

#include "core/TaskTypes.h"

#include <QStringList>

namespace {

const QString Indent = QStringLiteral("       ");

} // namespace

QString ProgramInfoText(const QString &caption, const QString &executableName)
{
    const QStringList lines = {
        caption,
        QString(),
        QString(),
        QString(),
        QString(),
        // The files this program consists of as it is installed: the program, the library
        // with the animations and the voice.
        QStringLiteral("(Bitte die drei Dateien ") + executableName
            + QStringLiteral(", " BRIMBELO_LERNPROG_FILE " und " BRIMBELO_VOICE_FILE " kopieren.)"),
        QString(),
        QStringLiteral("Fehlermeldungen, Anregungen, Bemerkungen und Kommentare zu"),
        QStringLiteral("diesem Programm bitte per E-Mail an:"),
        Indent + QStringLiteral("post@brimbelo.example"),
        QString(),
        QStringLiteral("Weitere Lernprogramme zum Download unter"),
        Indent + QStringLiteral("https://lernprogramme.brimbelo.example"),
        QString(),
        QStringLiteral("Viel Spaß beim Üben!"),
        QString(),
        QStringLiteral("Das Brimbelo-Team, Lernwerkstatt am Sonnenhang, Dezember 2026"),
    };
    return lines.join(CarriageReturn);
}

QString PracticeTipsText()
{
    const QStringList lines = {
        QStringLiteral("Wie du mit diesen Lernprogrammen üben kannst!"),
        QString(),
        QString(),
        QStringLiteral("Übe möglichst oft!"),
        QString(),
        QStringLiteral("Übe nie länger als 30 Minuten, aber übe regelmäßig – am besten täglich!"),
        QString(),
        QStringLiteral("Übe an mehreren Tagen hintereinander die gleichen Aufgaben und notiere"),
        QStringLiteral("deine Ergebnisse! Du wirst feststellen, dass sich deine Leistungen "),
        QStringLiteral("verbessern. Üben lohnt sich!"),
        QString(),
        QStringLiteral("Setze dir ein Übungsziel! Du kannst zum Beispiel trainieren, "),
        QStringLiteral("deine Bedenkzeit zu verbessern oder die Fehlerquote zu senken."),
        QString(),
        QStringLiteral("Fertige dir ein Übungsprotokoll an, in dem du die Zahl der Fehler und"),
        QStringLiteral("die Bedenkzeit notierst!"),
        QString(),
        QStringLiteral("Mit der Zeit wirst du sehen, wie sich die Werte immer weiter verbessern."),
        QString(),
        QStringLiteral("Übe auch Aufgaben, die du schon kannst! Du kannst immer noch deine Geschwindigkeit und "
                       "Sicherheit steigern."),
        QString(),
        QStringLiteral("Übe nicht, wenn du müde, hungrig oder verärgert bist!"),
        QString(),
        QStringLiteral("Lass dich beim Üben nicht ablenken!"),
        QString(),
        QStringLiteral("Es ist besser, täglich 20 Minuten zu üben, als einmal pro Woche zwei Stunden!"),
    };
    return lines.join(CarriageReturn) + CarriageReturn;
}
