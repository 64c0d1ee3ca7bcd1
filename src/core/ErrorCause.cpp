#include "core/ErrorCause.h"

#include <cerrno>

QString FileErrorCause(int errorNumber)
{
    switch (errorNumber) {
    case 0:
        return QStringLiteral("Ursache unbekannt");
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung");
    case EROFS:
        return QStringLiteral("Datenträger ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Datenträger voll");
    case ENOENT:
        return QStringLiteral("Ordner nicht gefunden");
    case ENOTDIR:
        return QStringLiteral("ein Teil des Pfades ist kein Ordner");
    case EISDIR:
        return QStringLiteral("an dieser Stelle steht ein Ordner");
    case ELOOP:
        return QStringLiteral("an dieser Stelle steht eine Verknüpfung");
    case ENODEV:
    case ENXIO:
        return QStringLiteral("das ist keine gewöhnliche Datei");
    case EEXIST:
        return QStringLiteral("die Datei ist schon vorhanden");
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
        return QStringLiteral("die Datei ist in Benutzung");
    case EIO:
        return QStringLiteral("Lese- oder Schreibfehler des Datenträgers");
    case ENAMETOOLONG:
        return QStringLiteral("der Name ist zu lang");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("zu viele offene Dateien");
    case ENOMEM:
        return QStringLiteral("zu wenig Arbeitsspeicher");
    default:
        return QStringLiteral("Fehler Nummer %1 des Systems").arg(errorNumber);
    }
}
