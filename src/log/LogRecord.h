#pragma once
// One record of the result log: its columns, the record written for a finished run, and
// the record taken apart again. The writer, the viewer, "Verlauf", the export and the
// class overview all read a record through this unit; files are LogFile's.

#include "core/RunResult.h"
#include "log/LogRecords.h"

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
inline constexpr qsizetype AfterPercentSign = 40;
inline constexpr qsizetype UnitStart = 46;
// The unit behind the thinking time, stored in English whatever the locale.
inline constexpr QLatin1String SecondsUnit(" sec  ");
// Everything before the exercise title.
inline constexpr qsizetype TitleStart = 52;
} // namespace LogColumns

inline constexpr int LogRecordPrefixLength = int(LogColumns::TitleStart);

// A record is stored masked: XOR 0x0E on every byte.
QByteArray MaskLogText(QByteArray text);

// The unmasked record of a run, with the separators of the default locale (QLocale()).
QString LogRecordFor(const RunResult &result);

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

// The fields of a record that a run of this program can have written, as they stand; the
// title lies within the record, which must outlive them.
struct LoggedRun
{
    QDate date;
    QTime time;
    qint32 rightCount = 0;
    qint32 wrongCount = 0;
    qint32 percent = 0;
    double averageSeconds = 0.0;
    QStringView title;
};

// The one rule for which records count: see ParseLogRecord. Nothing is allocated, so a
// long log is checked quickly where only some fields are needed.
std::optional<LoggedRun> CheckLogRecord(QStringView record, QDate today);

// The fields of one unmasked record, or nothing when no run of this program can have
// written it: a valid date not later than tomorrow (today is the reading computer's), right
// and wrong answers within a run's limits with at least one task, the percent that follows
// from them, a thinking time as the writer caps it, one of the exercise titles, each field as
// the writer lays it out. The moment is local time; Qt::UTC keeps it as written, many times
// cheaper where runs are only counted and compared, as placing a moment in the local time
// zone asks the system each time.
std::optional<LogEntry> ParseLogRecord(QStringView record, Qt::TimeSpec zone = Qt::LocalTime,
                                       QDate today = QDate::currentDate());
// The runs among records, in their order; the other lines are left out.
QList<LogEntry> ParseLogRecords(const QStringList &records);
QList<LogEntry> ParseLogRecords(const LogRecords &records);
