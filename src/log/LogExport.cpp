#include "log/LogExport.h"

#include "log/LogFile.h"
#include "log/LogRecord.h"
#include "log/Progress.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QStringList Header =
    QStringLiteral("Datum;Uhrzeit;Richtig;Falsch;Prozent;Note;Bedenkzeit;Übung").split(QLatin1Char(';'));

QStringList csvFields(const LogEntry &entry)
{
    return QStringList{
        entry.when.toString(QStringLiteral("dd.MM.yyyy")),
        entry.when.toString(QStringLiteral("HH:mm:ss")),
        QString::number(entry.rightCount),
        QString::number(entry.wrongCount),
        QString::number(entry.percent),
        GradeForShare(entry.percent),
        GermanDecimal(entry.averageSeconds, 2),
        entry.title,
    };
}

// A spreadsheet takes a cell that begins with one of these for a formula and runs it; an
// apostrophe in front makes it text.
bool startsLikeFormula(const QString &text)
{
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front());
}

} // namespace

QString CsvField(const QString &field)
{
    const QString text = startsLikeFormula(field) ? QLatin1Char('\'') + field : field;
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
    QList<QStringList> rows{Header};
    for (const LogEntry &entry : ParseLogRecords(records))
        rows.append(csvFields(entry));
    return CsvTable(rows);
}

QByteArray CsvTable(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString &field : row)
            fields.append(CsvField(field));
        text += fields.join(QLatin1Char(';')) + QLatin1String("\r\n");
    }
    // The byte-order mark tells spreadsheet programs that the text is UTF-8.
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

bool IsLogFilePath(const QString &path, const QString &fileName)
{
    const QFileInfo chosen(path);
    // A log shown from elsewhere (a child's log of a class) is named by its whole path.
    const QFileInfo log(QDir(logSettings().logDirectory).filePath(fileName));
    if (chosen.exists() && log.exists())
        return chosen.canonicalFilePath() == log.canonicalFilePath();
    return chosen.absoluteFilePath() == log.absoluteFilePath();
}
