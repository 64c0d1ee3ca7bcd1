// Prints the unmasked records of the result log in the folder given as argument, one per
// line, as the log viewer reads them; with a second argument, those of that file in the
// folder (the answer record).

#include "log/LogFile.h"
#include "log/LogSettings.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    LogSettings settings;
    settings.logDirectory = QString::fromLocal8Bit(argv[1]);
    settings.logEnabled = true;
    SetLogSettings(settings);
    QStringList records;
    const QString fileName = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("bm.log");
    const LogOutcome outcome = ReadLogFile(fileName, records);
    if (outcome.status != LogStatus::Done) {
        std::fprintf(stderr, "%s\n", qPrintable(LogOutcomeMessage(outcome)));
        return 1;
    }
    for (const QString &record : records)
        std::printf("%s\n", record.toUtf8().constData());
    return 0;
}
