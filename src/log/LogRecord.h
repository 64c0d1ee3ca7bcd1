#pragma once
// One record of the result log: its columns, the record written for a finished run, and
// the record taken apart again. The writer, the viewer, "Verlauf", the export and the
// class overview all read a record through this unit; files are LogFile's.

#include "run/types/RunResult.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// "dd.mm.yy hh:nn:ss rr ok  ww falsch  ppp% aa,aa sec  title", counted from 0. The time and
// decimal separators are whatever the system used when the record was written.
namespace LogColumns {
inline constexpr qsizetype DayStart = 0;
inline constexpr qsizetype MonthStart = 3;
inline constexpr qsizetype YearStart = 6;
inline constexpr qsizetype TimeStart = 9;
inline constexpr qsizetype TimeEnd = 17;
inline constexpr qsizetype PercentStart = 36;
inline constexpr qsizetype PercentSign = 39;
inline constexpr qsizetype AfterPercentSign = 40;
inline constexpr qsizetype UnitStart = 46;
// Everything before the exercise title.
inline constexpr qsizetype TitleStart = 52;
} // namespace LogColumns

inline constexpr int LogRecordPrefixLength = int(LogColumns::TitleStart);

// A record is stored masked: XOR 0x0E on every byte.
QByteArray MaskLogText(const QByteArray &text);

// The unmasked record of a run, with the separators of the default locale (QLocale()).
QString LogRecordFor(const RunResult &result);

// Whether a line has a record's date, blank and percent sign in their columns: the lines
// the viewer arranges and grades. Any other line is shown as it stands.
bool FollowsRecordLayout(const QString &record);

// The school grade of a record's three-character percent field, two characters wide.
QString GradeForPercent(const QString &percentField);

struct LogEntry
{
    QDateTime when;
    qint32 rightCount = 0;
    qint32 wrongCount = 0;
    qint32 percent = 0;
    double averageSeconds = 0.0;
    QString title;
};

// The fields of one unmasked record, or nothing when a field does not hold what the writer
// puts there. The moment is local time; Qt::UTC keeps it as written, many times cheaper
// where runs are only counted and compared, as placing a moment in the local time zone asks
// the system each time.
std::optional<LogEntry> ParseLogRecord(const QString &record, Qt::TimeSpec zone = Qt::LocalTime);
QList<LogEntry> ParseLogRecords(const QStringList &records);
