#pragma once
// The result log as a table for spreadsheet programs: one line per run,
// German conventions (semicolons, decimal comma, dd.mm.yyyy). Asking for a file and
// writing it is left to the log viewer.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

inline constexpr auto ExportDefaultFileName = "bm-export.csv";

// The unmasked records, in log order, as UTF-8 text with a byte-order mark and CR LF line
// ends, under a header line. Lines that are no run are left out.
QByteArray LogRecordsAsCsv(const QStringList &records);

// Rows of fields as such a table: fields quoted where needed and separated by ";", every
// row ended by CR LF, UTF-8 behind a byte-order mark.
QByteArray CsvTable(const QList<QStringList> &rows);

// One field of such a table: behind an apostrophe when it begins like a formula ("=", "+",
// "-", "@", tab, CR), and quoted, with its quotes doubled, when it holds a semicolon, a
// quote or a line break.
QString CsvField(const QString &text);

// Whether exporting to path would overwrite the log fileName itself (in the log directory,
// or a whole path), which the viewer never changes.
bool IsLogFilePath(const QString &path, const QString &fileName);
