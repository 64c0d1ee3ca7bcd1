#pragma once
// Where everything in the progress picture goes: the runs of one exercise as points over
// the date, the grade bands behind them, the ticks of the date, share and thinking-time
// axes, and which run is the newest. Painting what this returns is left to the widget.

#include "log/Progress.h"

#include <QDate>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

struct ChartTick
{
    double position = 0.0;   // x for dates, y for shares and seconds
    QString label;
};

struct ChartBand
{
    int grade = 0;
    double top = 0.0;
    double bottom = 0.0;
    QString label;
};

struct ChartPoint
{
    QPointF share;      // on the left axis, 0 to 100 %
    QPointF thinking;   // on the right axis, seconds
};

struct ProgressChart
{
    QRectF plot;                      // the area inside the axes
    QRectF runArea;                   // the part of it right of the grade labels, where runs lie
    QList<ChartBand> bands;           // best grade first
    QList<ChartTick> shareTicks;      // left axis
    QList<ChartTick> secondsTicks;    // right axis
    QList<ChartTick> dateTicks;       // below the plot
    QList<ChartPoint> points;         // oldest first
    qsizetype newestIndex = -1;       // the newest run among points, -1 without runs
    bool dotForEveryRun = false;      // few enough runs to mark each one
    QString shareTitle;               // axis titles above the plot
    QString secondsTitle;
    QString newestText;               // what the newest run was, in words
    QString emptyText;                // shown instead of a picture when there are no runs
};

// The picture of one exercise's runs (oldest first, as ProgressSeries returns them) for a
// widget of the given size. Long series are thinned out to the plot's pixel columns.
ProgressChart LayOutProgressChart(const QList<ProgressPoint> &series, QSize size);

// The first and last moment shown on the date axis: whole days, from the start of the
// first run's day to the end of the last run's day.
struct ChartTimeRange
{
    QDateTime first;
    QDateTime last;
};
ChartTimeRange TimeRangeOf(const QList<ProgressPoint> &series);

// The dates labelled on the date axis: at most maxTicks of them, every day, every few
// days or weeks from the first, or the first of every few months.
QList<QDate> TickDates(QDate first, QDate last, int maxTicks);

// The top of the thinking-time axis and the distance between its ticks: a round number
// of seconds at or above the largest average, in at most five steps.
struct SecondsScale
{
    int top = 0;
    int step = 0;
};
SecondsScale SecondsScaleFor(double largestSeconds);

// The exercise picked first when the progress view opens: the one practised last.
QString NewestTitle(const QList<LogEntry> &entries);
