// Logs runs as bm does: the log folder found as bm finds it at start (wolf.cfg, the
// account's entry in the school's folder or beside wolf.cfg), on a class's shared account
// the class list read from it, the picked child's folder made when the teacher added her name, the runs
// appended there, and each run kept first and delivered as the exercise window saves it.
// Arguments: configuration file, the child's name ("-" for an account of her own), number
// of runs. Prints the log folder and the school's folder it was found through ("-" for none).
// Exit status 3 when the account is no shared one or the name is not on its list, 4 when a
// run was kept on this computer instead of logged, 1 when it was lost.

#include "HelperRun.h"

#include "log/LogSettings.h"
#include "log/RunSpool.h"
#include "log/class/SharedClass.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: shared_class_run wolf.cfg name|- count\n");
        return 2;
    }
    LoadLogFileSettings({arguments.at(0), QStringLiteral("cfg=") + arguments.at(1)}, QFileInfo(arguments.at(1)).absolutePath());
    const QString &child = arguments.at(2);
    if (child != QLatin1String("-")) {
        const std::optional<QStringList> names = SharedClassNames(logSettings());
        if (!names || !names->contains(child)) {
            std::fprintf(stderr, "%s: not on the class list of %s\n", qPrintable(child), qPrintable(logSettings().logDirectory));
            return 3;
        }
        // As bm does when the child picks her name: a name the teacher added gets its folder.
        const QString folderMissing = MakeChildFolder(logSettings(), child);
        if (!folderMissing.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(folderMissing));
        SetLogSettings(ChildLogSettings(logSettings(), child));
    }
    const LogSettings &settings = logSettings();
    std::printf("%s %s\n", qPrintable(settings.logDirectory), settings.schoolFolder.isEmpty() ? "-" : qPrintable(settings.schoolFolder));
    // A child with an account of her own practises on several computers: her runs differ by
    // the moment they were logged, as a kept run that arrived already must not be doubled.
    const QString title = child == QLatin1String("-") ? QString::number(QDateTime::currentMSecsSinceEpoch()) : child;
    for (int i = 0; i < arguments.at(3).toInt(); ++i) {
        const KeptRun run{settings.logDirectory, LogRecordFor(HelperRun(title, i)), settings.schoolFolder};
        const bool kept = KeepRun(run);
        const LogOutcome outcome = kept ? DeliverKeptRuns(run.logDirectory) : AppendRun(run);
        if (outcome.status != LogStatus::Done) {
            std::fprintf(stderr, "%s: run %d: %s\n", qPrintable(child), i, qPrintable(LogOutcomeMessage(outcome)));
            return kept ? 4 : 1;
        }
    }
    return 0;
}
