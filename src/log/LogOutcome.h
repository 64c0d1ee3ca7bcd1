#pragma once
// How writing or reading a log went, as the log file and the opened log report it; the
// words the user is shown for it are the log file's.

#include <QString>

enum class LogStatus {
    Done,        // written, or read
    NotLogged,   // the run does not qualify for the log
    CannotOpen,  // the log cannot be opened for writing
    Missing,     // there is no log to read
    IoError,     // reading, moving aside or writing failed
    NotRead,     // the log is there but too large to be a log, so it is not read
    CutShort,    // the log was read only in part: the connection to its server broke off
};

struct LogOutcome
{
    LogStatus status = LogStatus::Done;
    QString detail;   // what failed, in German words: the cause of CannotOpen, an IoError, or why NotRead
    QString cause = {};   // of an IoError: the system's reason alone
};

// What is said of a log that was read only in part.
inline QString CutShortProblem()
{
    return QStringLiteral("konnte nicht ganz gelesen werden (Verbindung zum Server unterbrochen)");
}
