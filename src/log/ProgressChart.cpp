#include "log/ProgressChart.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Room around the plot for the tick labels, the axis titles above and the dates below.
constexpr double LeftMargin = 50.0;
constexpr double RightMargin = 46.0;
constexpr double TopMargin = 26.0;
constexpr double BottomMargin = 26.0;
// The grade labels stand in a column of their own at the left of the stripes, so that no
// run hides them.
constexpr double GradeLabelColumn = 46.0;
// A date label needs about this many pixels to stay apart from its neighbours.
constexpr int DateLabelSpacing = 70;
// Below this many pixels per run the dots would merge into a smear; only the line is drawn.
constexpr int PixelsPerDot = 8;
constexpr int ShareStep = 20;

const QString DateFormat = QStringLiteral("dd.MM.yy");

double xOf(const QDateTime &when, const ChartTimeRange &range, const QRectF &plot)
{
    const qint64 first = WallClockSeconds(range.first);
    const double span = double(WallClockSeconds(range.last) - first);
    return plot.left() + double(WallClockSeconds(when) - first) / span * plot.width();
}

double yOfShare(double percent, const QRectF &plot)
{
    return plot.bottom() - percent / 100.0 * plot.height();
}

double yOfSeconds(double seconds, const SecondsScale &scale, const QRectF &plot)
{
    return plot.bottom() - std::min(seconds, double(scale.top)) / scale.top * plot.height();
}

QList<ChartBand> bandsFor(const QRectF &plot)
{
    QList<ChartBand> bands;
    for (const GradeBand &band : GradeBands()) {
        // A band reaches up to where the next better grade starts.
        const int upper = std::min(band.highestPercent + 1, 100);
        bands.append({band.grade, yOfShare(upper, plot), yOfShare(band.lowestPercent, plot),
                      QStringLiteral("Note %1").arg(band.grade)});
    }
    return bands;
}

QList<ChartTick> shareTicksFor(const QRectF &plot)
{
    QList<ChartTick> ticks;
    for (int percent = 0; percent <= 100; percent += ShareStep)
        ticks.append({yOfShare(percent, plot), QStringLiteral("%1 %").arg(percent)});
    return ticks;
}

QList<ChartTick> secondsTicksFor(const SecondsScale &scale, const QRectF &plot)
{
    QList<ChartTick> ticks;
    for (int seconds = 0; seconds <= scale.top; seconds += scale.step)
        ticks.append({yOfSeconds(seconds, scale, plot), QStringLiteral("%1 s").arg(seconds)});
    return ticks;
}

// Each date is labelled at its noon, the middle of the day its runs fall into.
QList<ChartTick> dateTicksFor(const ChartTimeRange &range, const QRectF &plot)
{
    const int maxTicks = std::max(1, int(plot.width()) / DateLabelSpacing);
    QList<ChartTick> ticks;
    for (const QDate &date : TickDates(range.first.date(), range.last.addSecs(-1).date(), maxTicks))
        ticks.append({xOf(QDateTime(date, QTime(12, 0)), range, plot), date.toString(DateFormat)});
    return ticks;
}

QString newestTextOf(const ProgressPoint &newest)
{
    return QStringLiteral("Zuletzt am %1 um %2 Uhr: %3 % richtig (Note %4), %5 s Bedenkzeit")
        .arg(newest.when.toString(DateFormat), newest.when.toString(QStringLiteral("HH:mm")))
        .arg(newest.percent)
        .arg(GradeForShare(newest.percent), GermanDecimal(newest.averageSeconds, 2));
}

} // namespace

ChartTimeRange TimeRangeOf(const QList<ProgressPoint> &series)
{
    if (series.isEmpty())
        return {};
    const auto [earliest, latest] = std::minmax_element(
        series.begin(), series.end(), [](const ProgressPoint &a, const ProgressPoint &b) { return a.when < b.when; });
    return {QDateTime(earliest->when.date(), QTime(0, 0)), QDateTime(latest->when.date().addDays(1), QTime(0, 0))};
}

QList<QDate> TickDates(QDate first, QDate last, int maxTicks)
{
    maxTicks = std::max(1, maxTicks);
    const qint64 days = first.daysTo(last) + 1;
    for (const int step : {1, 2, 7, 14}) {
        if ((days + step - 1) / step > maxTicks)
            continue;
        QList<QDate> dates;
        for (QDate date = first; date <= last; date = date.addDays(step))
            dates.append(date);
        return dates;
    }
    const int firstMonth = first.year() * 12 + first.month() - 1;
    const int lastMonth = last.year() * 12 + last.month() - 1;
    for (const int step : {1, 2, 3, 6, 12, 24, 60, 120}) {
        QList<QDate> dates;
        // Months counted from year 0, so that every few months means the same months every year.
        for (int month = (firstMonth + step - 1) / step * step; month <= lastMonth; month += step) {
            const QDate date(month / 12, month % 12 + 1, 1);
            if (date >= first)
                dates.append(date);
        }
        if (dates.size() > maxTicks)
            continue;
        if (dates.isEmpty())
            dates.append(first);
        return dates;
    }
    return {first};
}

SecondsScale SecondsScaleFor(double largestSeconds)
{
    constexpr int MostSteps = 5;
    // A few seconds at least, so that quick runs do not look slow on a tiny scale.
    largestSeconds = std::max(largestSeconds, 5.0);
    for (const int step : {1, 2, 5, 10, 20, 25, 50, 100}) {
        const int top = std::max(step, int(std::ceil(largestSeconds / step)) * step);
        if (top / step <= MostSteps)
            return {top, step};
    }
    const int step = int(std::ceil(largestSeconds / MostSteps / 100.0)) * 100;
    return {step * MostSteps, step};
}

ProgressChart LayOutProgressChart(const QList<ProgressPoint> &series, QSize size)
{
    ProgressChart chart;
    chart.plot = QRectF(LeftMargin, TopMargin, std::max(1.0, size.width() - LeftMargin - RightMargin),
                        std::max(1.0, size.height() - TopMargin - BottomMargin));
    chart.shareTitle = QStringLiteral("Richtige Lösungen in %");
    chart.secondsTitle = QStringLiteral("Bedenkzeit (s)");
    chart.runArea = chart.plot.adjusted(std::min(GradeLabelColumn, chart.plot.width() / 4), 0, 0, 0);
    chart.bands = bandsFor(chart.plot);
    chart.shareTicks = shareTicksFor(chart.plot);
    if (series.isEmpty()) {
        chart.emptyText = QStringLiteral("Für diese Übung gibt es noch keine Ergebnisse.");
        chart.secondsTicks = secondsTicksFor(SecondsScaleFor(0.0), chart.plot);
        return chart;
    }

    const QList<ProgressPoint> shown = ThinOut(series, int(chart.runArea.width()));
    const auto slowest = std::max_element(shown.begin(), shown.end(), [](const ProgressPoint &a, const ProgressPoint &b) {
        return a.averageSeconds < b.averageSeconds;
    });
    const SecondsScale scale = SecondsScaleFor(slowest->averageSeconds);
    const ChartTimeRange range = TimeRangeOf(shown);
    chart.secondsTicks = secondsTicksFor(scale, chart.plot);
    chart.dateTicks = dateTicksFor(range, chart.runArea);

    chart.points.reserve(shown.size());
    for (const ProgressPoint &point : shown) {
        const double x = xOf(point.when, range, chart.runArea);
        chart.points.append({QPointF(x, yOfShare(point.percent, chart.plot)),
                             QPointF(x, yOfSeconds(point.averageSeconds, scale, chart.plot))});
    }
    // Thinning keeps the order, so the newest run is the last point.
    chart.newestIndex = chart.points.size() - 1;
    chart.dotForEveryRun = chart.points.size() * PixelsPerDot <= chart.runArea.width();
    chart.newestText = newestTextOf(series.last());
    return chart;
}

QString NewestTitle(const QList<LogEntry> &entries)
{
    // The run appended last, whatever date the writer's clock gave it.
    return entries.isEmpty() ? QString() : entries.last().title;
}
