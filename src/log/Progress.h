#pragma once
// The data of the progress picture: log records taken apart into their fields, the runs of
// one exercise in time order, thinned out to what a picture of a given width can show, and
// the grade bands drawn behind them. Records that do not follow the log's layout are left
// out; drawing is left to the log viewer.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

struct LogEntry
{
    QDateTime when;
    qint32 rightCount = 0;
    qint32 wrongCount = 0;
    qint32 percent = 0;
    double averageSeconds = 0.0;
    QString title;
};

// The fields of one unmasked record, or nothing when it does not follow the layout. The
// moment is local time; Qt::UTC keeps it as written, many times cheaper where runs are only
// counted and compared, as placing a moment in the local time zone asks the system each time.
std::optional<LogEntry> ParseLogRecord(const QString &record, Qt::TimeSpec zone = Qt::LocalTime);
QList<LogEntry> ParseLogRecords(const QStringList &records);

// The exercise titles in the log, each once, sorted without regard to case.
QStringList ProgressTitles(const QList<LogEntry> &entries);

struct ProgressPoint
{
    QDateTime when;
    qint32 percent = 0;
    double averageSeconds = 0.0;
};

// The runs of one exercise, oldest first.
QList<ProgressPoint> ProgressSeries(const QList<LogEntry> &entries, const QString &title);

// At most a few points per pixel column of a picture `columns` wide: in each column the
// runs with the lowest and highest share, and the column's last run, in time order. The
// newest run always stays.
QList<ProgressPoint> ThinOut(const QList<ProgressPoint> &series, int columns);

struct GradeBand
{
    int grade;          // 1 to 6
    int lowestPercent;
    int highestPercent;
};
// The six school grades by share of right answers, best first.
std::span<const GradeBand> GradeBands();

// Seconds of the date and time as the clock on the wall showed them, for placing runs on a
// time axis: cheap, and free of time-zone and daylight-saving jumps.
qint64 WallClockSeconds(const QDateTime &when);

// The school grade of a share of right answers, without the trailing blank ("1+", "3", "6").
QString GradeForShare(int percent);
// A number with the given decimals and a decimal comma, as German readers expect.
QString GermanDecimal(double value, int decimals);
