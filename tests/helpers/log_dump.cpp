// Prints the unmasked records of the result log in the folder given as argument, one per
// line, as the log viewer reads them.

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
    const LogOutcome outcome = ReadLogFile(QStringLiteral("bm.log"), records);
    if (outcome.status != LogStatus::Done) {
        std::fprintf(stderr, "%s\n", qPrintable(LogOutcomeMessage(outcome)));
        return 1;
    }
    for (const QString &record : records)
        std::printf("%s\n", record.toUtf8().constData());
    return 0;
}
