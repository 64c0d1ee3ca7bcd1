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
    // A log folder on the school's server: the connection, not the file, failed.
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNRESET:
    case ESHUTDOWN:
    case EPIPE:
        return QStringLiteral("die Verbindung zum Server ist unterbrochen");
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ECONNREFUSED:
        return QStringLiteral("der Server ist nicht erreichbar");
    case ETIMEDOUT:
        return QStringLiteral("der Server antwortet nicht");
    case ESTALE:
        return QStringLiteral("der Server kennt die Datei nicht mehr");
    default:
        return QStringLiteral("Fehler Nummer %1 des Systems").arg(errorNumber);
    }
}
