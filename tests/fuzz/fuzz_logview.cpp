// Any log file: reading it and arranging it for the viewer never crashes or hangs, every
// stored line comes back as one record, and the viewer shows no more records than the
// log holds (and one heading), never none of them. Inputs of up to 1 MiB (tools/fuzz.sh) reach logs of
// thousands of records and lines longer than any record.

#include "log/LogFile.h"
#include "log/LogView.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    SetLogSettings({QString(), dir.path() + QLatin1Char('/'), true, 0});
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(dir.filePath(QString::fromLatin1(LogFileName)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return 0;
    }
    QStringList records;
    if (ReadLogFile(QString::fromLatin1(LogFileName), records).status != LogStatus::Done)
        std::abort();
    const qsizetype breaks = bytes.count('\r') + bytes.count('\n');
    if (records.size() > breaks + 1 || (!bytes.isEmpty() && records.isEmpty()))
        std::abort();

    const QStringList lines = LogViewLines(records);
    qsizetype shown = 0;
    for (const QString &line : lines)
        shown += line.isEmpty() ? 0 : 1;
    qsizetype stored = 0;
    for (const QString &record : records)
        stored += record.isEmpty() ? 0 : 1;
    // Every shown line is a stored record's, but for the heading over the lines that are no run.
    if (shown > stored + 1 || (stored > 0 && shown == 0))
        std::abort();
    if (LogViewLines(records) != lines)
        std::abort();
    return 0;
}
