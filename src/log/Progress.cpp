#include "log/Progress.h"

#include "log/LogFile.h"

#include <QCollator>
#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace {

// dd.mm.yy hh:nn:ss, counts, percentage, average and title in their fixed columns; the
// time and decimal separators are whatever the system used when the record was written.
const QRegularExpression &recordPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d\d)\.(\d\d)\.(\d\d) (\d\d)\D(\d\d)\D(\d\d) ([ \d]\d) ok  ([ \d]\d) falsch  ([ \d]{2}\d)% ([ \d]\d)\D(\d\d) sec  (.+)$)"));
    return pattern;
}

constexpr std::array<GradeBand, 6> Bands = {{
    {1, 94, 100}, {2, 84, 93}, {3, 68, 83}, {4, 50, 67}, {5, 30, 49}, {6, 0, 29},
}};

int field(const QRegularExpressionMatch &match, int group)
{
    return match.captured(group).trimmed().toInt();
}

} // namespace

std::optional<LogEntry> ParseLogRecord(const QString &record, Qt::TimeSpec zone)
{
    const QRegularExpressionMatch match = recordPattern().match(record);
    if (!match.hasMatch())
        return std::nullopt;
    // Two-digit years: the log was started in this century.
    const QDate date(2000 + field(match, 3), field(match, 2), field(match, 1));
    const QTime time(field(match, 4), field(match, 5), field(match, 6));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    LogEntry entry;
    entry.when = QDateTime(date, time, zone);
    entry.rightCount = field(match, 7);
    entry.wrongCount = field(match, 8);
    entry.percent = field(match, 9);
    entry.averageSeconds = field(match, 10) + field(match, 11) / 100.0;
    entry.title = match.captured(12);
    if (entry.percent > 100)
        return std::nullopt;
    return entry;
}

QList<LogEntry> ParseLogRecords(const QStringList &records)
{
    QList<LogEntry> entries;
    entries.reserve(records.size());
    for (const QString &record : records) {
        if (auto entry = ParseLogRecord(record))
            entries.append(std::move(*entry));
    }
    return entries;
}

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
    return Bands;
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
