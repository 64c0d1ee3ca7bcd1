#pragma once
// The data of the progress picture: the runs of one exercise in time order, thinned out to
// what a picture of a given width can show, and the grade bands drawn behind them. Taking
// records apart is LogRecord's; drawing is left to the log viewer.

#include "log/LogRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

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
