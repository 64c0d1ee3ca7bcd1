// Logs runs as bm does on a class's shared account once a child has picked her name: the
// log folder found as bm finds it at start (wolf.cfg and the account's entry), the class
// list read from it, and the runs appended in the picked child's folder.
// Arguments: configuration file, the child's name, number of runs.
// Exit status 3 when the account is no shared one or the name is not on its list.

#include "HelperRun.h"

#include "log/LogFile.h"
#include "log/LogSettings.h"
#include "log/class/SharedClass.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: shared_class_run wolf.cfg name count\n");
        return 2;
    }
    LoadLogFileSettings({arguments.at(0), QStringLiteral("cfg=") + arguments.at(1)}, QFileInfo(arguments.at(1)).absolutePath());
    const std::optional<QStringList> names = SharedClassNames(logSettings());
    const QString &child = arguments.at(2);
    if (!names || !names->contains(child)) {
        std::fprintf(stderr, "%s: not on the class list of %s\n", qPrintable(child), qPrintable(logSettings().logDirectory));
        return 3;
    }
    SetLogSettings(ChildLogSettings(logSettings(), child));
    for (int i = 0; i < arguments.at(3).toInt(); ++i) {
        const LogOutcome outcome = AppendLogLine(QStringLiteral("bm.log"), LogRecordFor(HelperRun(child, i)));
        if (outcome.status != LogStatus::Done) {
            std::fprintf(stderr, "%s: run %d: %s\n", qPrintable(child), i, qPrintable(LogOutcomeMessage(outcome)));
            return 1;
        }
    }
    return 0;
}
