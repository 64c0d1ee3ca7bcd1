#include "log/Progress.h"

#include <QCollator>
#include <algorithm>
#include <array>
#include <vector>

QStringList ProgressTitles(const QList<LogEntry> &entries)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList titles;
    for (const LogEntry &entry : entries)
        titles.append(entry.title);
    std::sort(titles.begin(), titles.end(), collator);
    titles.erase(std::unique(titles.begin(), titles.end(),
                             [&](const QString &a, const QString &b) { return collator.compare(a, b) == 0; }),
                 titles.end());
    return titles;
}

QList<ProgressPoint> ProgressSeries(const QList<LogEntry> &entries, const QString &title)
{
    QList<ProgressPoint> series;
    for (const LogEntry &entry : entries) {
        if (entry.title == title)
            series.append({entry.when, entry.percent, entry.averageSeconds});
    }
    std::stable_sort(series.begin(), series.end(),
                     [](const ProgressPoint &a, const ProgressPoint &b) { return a.when < b.when; });
    return series;
}

QList<ProgressPoint> ThinOut(const QList<ProgressPoint> &series, int columns)
{
    if (columns <= 0 || series.size() <= 3 * qsizetype(columns))
        return series;
    QList<int> columnOf(series.size());
    {
        QList<qint64> seconds(series.size());
        for (qsizetype i = 0; i < series.size(); ++i)
            seconds[i] = WallClockSeconds(series[i].when);
        const qint64 span = std::max<qint64>(1, seconds.last() - seconds.first());
        for (qsizetype i = 0; i < series.size(); ++i)
            columnOf[i] = int((seconds[i] - seconds.first()) * (columns - 1) / span);
    }

    QList<ProgressPoint> thinned;
    qsizetype begin = 0;
    while (begin < series.size()) {
        const int column = columnOf[begin];
        qsizetype end = begin;
        qsizetype lowest = begin, highest = begin;
        while (end < series.size() && columnOf[end] == column) {
            if (series[end].percent < series[lowest].percent)
                lowest = end;
            if (series[end].percent > series[highest].percent)
                highest = end;
            ++end;
        }
        std::array<qsizetype, 3> kept = {lowest, highest, end - 1};
        std::sort(kept.begin(), kept.end());
        for (qsizetype i = 0; i < qsizetype(kept.size()); ++i) {
            if (i == 0 || kept[i] != kept[i - 1])
                thinned.append(series[kept[i]]);
        }
        begin = end;
    }
    return thinned;
}

std::span<const GradeBand> GradeBands()
{
    // Taken from the grades the log gives, so the picture and the viewer never disagree.
    static const std::vector<GradeBand> bands = [] {
        std::vector<GradeBand> found;
        for (int percent = 100; percent >= 0; --percent) {
            const int grade = GradeForShare(percent).at(0).digitValue();
            if (found.empty() || found.back().grade != grade)
                found.push_back({grade, percent, percent});
            else
                found.back().lowestPercent = percent;
        }
        return found;
    }();
    return bands;
}

qint64 WallClockSeconds(const QDateTime &when)
{
    constexpr qint64 SecondsPerDay = qint64(24) * 60 * 60;
    return when.date().toJulianDay() * SecondsPerDay + when.time().msecsSinceStartOfDay() / 1000;
}

QString GradeForShare(int percent)
{
    return GradeForPercent(QStringLiteral("%1").arg(percent, 3)).trimmed();
}

QString GermanDecimal(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}
