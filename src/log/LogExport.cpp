#include "log/LogExport.h"

#include "log/LogFile.h"
#include "log/Progress.h"

#include <QFileInfo>

namespace {

const QString Header = QStringLiteral("Datum;Uhrzeit;Richtig;Falsch;Prozent;Note;Bedenkzeit;Übung");
const QString LineEnd = QStringLiteral("\r\n");

QString csvLine(const LogEntry &entry)
{
    return QStringList{
        entry.when.toString(QStringLiteral("dd.MM.yyyy")),
        entry.when.toString(QStringLiteral("HH:mm:ss")),
        QString::number(entry.rightCount),
        QString::number(entry.wrongCount),
        QString::number(entry.percent),
        GradeForShare(entry.percent),
        GermanDecimal(entry.averageSeconds, 2),
        CsvField(entry.title),
    }.join(QLatin1Char(';'));
}

} // namespace

QString CsvField(const QString &text)
{
    const bool needsQuotes = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"'))
                             || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray LogRecordsAsCsv(const QStringList &records)
{
    QString text = Header + LineEnd;
    for (const LogEntry &entry : ParseLogRecords(records))
        text += csvLine(entry) + LineEnd;
    // The byte-order mark tells spreadsheet programs that the text is UTF-8.
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

bool IsLogFilePath(const QString &path, const QString &fileName)
{
    const QFileInfo chosen(path);
    const QFileInfo log(logSettings().logDirectory + fileName);
    if (chosen.exists() && log.exists())
        return chosen.canonicalFilePath() == log.canonicalFilePath();
    return chosen.absoluteFilePath() == log.absoluteFilePath();
}
