// Appends records to the result log as a second copy of the program would: started twice
// at once by the log tests to check that appends of two processes do not get in each
// other's way.
// Arguments: log directory, name of this copy, number of records, a file whose
// appearance is the signal to start.

#include "HelperRun.h"

#include "log/LogFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Acts as the owner of the log directory: the superuser would write through the log's
// read-only mode and so never meet the other copy's read-only window.
bool becomeOwnerOf(const QString &directory)
{
    struct stat status;
    if (::geteuid() != 0 || ::stat(QFile::encodeName(directory).constData(), &status) != 0 || status.st_uid == 0)
        return true;
    return ::setgid(status.st_gid) == 0 && ::setuid(status.st_uid) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 5) {
        std::fprintf(stderr, "usage: log_append_helper directory name count startfile\n");
        return 2;
    }
    if (!becomeOwnerOf(arguments.at(1))) {
        std::perror("log_append_helper");
        return 2;
    }
    SetLogSettings({QString(), arguments.at(1), true, 0});
    const QString &name = arguments.at(2);
    const int count = arguments.at(3).toInt();
    while (!QFile::exists(arguments.at(4)))
        QThread::usleep(200);

    for (int i = 0; i < count; ++i) {
        const LogOutcome outcome = AppendLogLine(QStringLiteral("bm.log"), LogRecordFor(HelperRun(name, i)));
        if (outcome.status != LogStatus::Done) {
            std::fprintf(stderr, "%s: record %d: %s\n", qPrintable(name), i, qPrintable(LogOutcomeMessage(outcome)));
            return 1;
        }
    }
    return 0;
}
