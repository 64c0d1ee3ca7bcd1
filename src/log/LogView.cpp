#include "log/LogView.h"

#include "log/LogRecord.h"

#include <QCollator>
#include <QHash>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {

// The title as it groups: trailing spaces do not make another exercise.
QStringView groupedTitle(QStringView title)
{
    while (title.endsWith(QLatin1Char(' ')))
        title.chop(1);
    return title;
}

// A run as it is sorted: by title, then day, then its whole record.
struct Entry
{
    quint64 time = 0;     // its time of day as a key, or 0 (see timeKey)
    qint32 day = 0;
    qint32 record = 0;    // its index among the records
    qint16 titleRank = 0;   // titles that collate equal share a rank; only the kinds' titles count
    qint16 titleIndex = 0;  // the same for the same title only
    qint8 percent = 0;
};
// A long log's runs fill a few large pages.
using Entries = std::vector<Entry, LargePageAllocator<Entry>>;

// Ranks the titles in the user's collation, without regard to case, and tells how many
// ranks there are. The log holds few distinct titles, so only those are collated.
int rankTitles(Entries &entries, const QList<QStringView> &titles)
{
    std::vector<int> byTitle(size_t(titles.size()));
    std::iota(byTitle.begin(), byTitle.end(), 0);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(byTitle.begin(), byTitle.end(),
              [&](int a, int b) { return collator.compare(titles.at(a), titles.at(b)) < 0; });
    std::vector<int> rankOf(byTitle.size());
    int rank = 0;
    for (size_t i = 0; i < byTitle.size(); ++i) {
        if (i > 0 && collator.compare(titles.at(byTitle[i - 1]), titles.at(byTitle[i])) != 0)
            ++rank;
        rankOf[size_t(byTitle[i])] = rank;
    }
    for (Entry &entry : entries)
        entry.titleRank = qint16(rankOf[size_t(entry.titleIndex)]);
    return titles.isEmpty() ? 0 : rank + 1;
}

bool keepsCase(QChar c)
{
    return !c.isSurrogate() && c.toCaseFolded() == c;
}

// The same order as comparing without regard to case, without folding every character:
// up to the first difference the texts agree, and only there may folding matter.
int compareIgnoringCase(QStringView a, QStringView b)
{
    const auto [inA, inB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (inA == a.end() || inB == b.end())
        return int(a.size() > b.size()) - int(a.size() < b.size());
    if (keepsCase(*inA) && keepsCase(*inB))
        return inA->unicode() < inB->unicode() ? -1 : 1;
    return a.compare(b, Qt::CaseInsensitive);
}

// A run's time of day, eight characters right after its date, packed so that comparing
// keys compares the characters; 0 when a character might fold (a letter or beyond ASCII).
// Records of one day agree up to their time, so where the keys differ the records differ
// first there, and compareIgnoringCase would compare those characters' codes: the key
// spares reading the records themselves, which lie scattered in memory.
quint64 timeKey(QStringView record)
{
    quint64 key = 0;
    for (const QChar c : record.mid(LogColumns::TimeStart, LogColumns::TimeEnd - LogColumns::TimeStart)) {
        if (c.unicode() >= 0x80 || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return 0;
        key = key << 8 | c.unicode();
    }
    return key;
}

// Within one title and day the records differ in their figures and time, where the code
// order of the characters agrees with the collation.
int compareRecords(const Entry &a, const Entry &b, const LogRecords &records)
{
    if (a.titleRank != b.titleRank)
        return a.titleRank < b.titleRank ? -1 : 1;
    if (a.day != b.day)
        return a.day < b.day ? -1 : 1;
    if (a.time != b.time && a.time != 0 && b.time != 0)
        return a.time < b.time ? -1 : 1;
    return compareIgnoringCase(records.at(a.record), records.at(b.record));
}

// The runs sorted stably as the viewer shows them: first into their titles' ranks, in log
// order, then each rank by day and record. A log is written as the runs end, so within a
// title they mostly stand in order already, and seeing that is cheaper than sorting.
Entries sortedRuns(const Entries &entries, int ranks, const LogRecords &records)
{
    std::vector<size_t> start(size_t(ranks) + 1, 0);
    for (const Entry &entry : entries)
        ++start[size_t(entry.titleRank) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    Entries sorted(entries.size());
    std::vector<size_t> next(start.begin(), start.end() - 1);
    for (const Entry &entry : entries)
        sorted[next[size_t(entry.titleRank)]++] = entry;
    const auto before = [&records](const Entry &a, const Entry &b) { return compareRecords(a, b, records) < 0; };
    for (size_t rank = 0; rank < size_t(ranks); ++rank) {
        const auto first = sorted.begin() + qsizetype(start[rank]);
        const auto last = sorted.begin() + qsizetype(start[rank + 1]);
        if (!std::is_sorted(first, last, before))
            std::stable_sort(first, last, before);
    }
    return sorted;
}

// The log keeps the English unit of its stored format; the viewer shows the German one,
// of the same width, so the columns stay where they are.
const QLatin1String ShownUnit(" Sek. ");
const QString UnreadableHeadingText = QStringLiteral("Nicht lesbare Einträge:");
const QLatin1String NoteLabel(" Note: ");

// The grade of a run's share, worked out once for each of the 101 shares a run can have.
const QString &gradeOf(qint32 percent)
{
    static const std::array<QString, 101> grades = [] {
        std::array<QString, 101> all;
        for (int share = 0; share <= 100; ++share)
            all[size_t(share)] = GradeForPercent(QStringLiteral("%1").arg(share, 3));
        return all;
    }();
    return grades[size_t(percent)];
}

// A record as the viewer shows it: without the time of day, with the grade behind "%".
QString shownLine(QStringView record, qint32 percent)
{
    using namespace LogColumns;
    const QString note = NoteLabel + gradeOf(percent);
    QString line(record.size() - (TimeEnd - TimeStart) + note.size(), Qt::Uninitialized);
    QChar *out = line.data();
    out = std::copy(record.begin(), record.begin() + TimeStart, out);
    out = std::copy(record.begin() + TimeEnd, record.begin() + AfterPercentSign, out);
    out = std::copy(note.begin(), note.end(), out);
    std::copy(record.begin() + AfterPercentSign, record.end(), out);
    const qsizetype unit = UnitStart - (TimeEnd - TimeStart) + note.size();
    if (QStringView(line).mid(unit, SecondsUnit.size()) == SecondsUnit)
        line.replace(unit, ShownUnit.size(), ShownUnit);
    return line;
}

// The runs among records, each with the index of its title in titles; the other records
// in log order.
Entries takeRunsApart(const LogRecords &records, QList<QStringView> &titles, std::vector<qint32> &others)
{
    const QDate today = QDate::currentDate();
    Entries entries;
    entries.reserve(size_t(records.size()));
    QHash<QStringView, int> indexOf;
    for (qint32 i = 0; i < qint32(records.size()); ++i) {
        const std::optional<LoggedRun> run = CheckLogRecord(records.at(i), today);
        if (!run) {
            others.push_back(i);
            continue;
        }
        const QStringView title = groupedTitle(run->title);
        auto found = indexOf.constFind(title);
        if (found == indexOf.cend()) {
            found = indexOf.insert(title, int(titles.size()));
            titles.append(title);
        }
        entries.push_back({timeKey(records.at(i)), qint32(run->date.toJulianDay()), i, 0, qint16(*found), qint8(run->percent)});
    }
    return entries;
}

} // namespace

LogViewRows LogViewRows::Arranged(const LogRecords &records)
{
    LogViewRows view;
    view.texts_ = records;
    QList<QStringView> titles;
    std::vector<qint32> others;
    Entries runs = takeRunsApart(records, titles, others);
    const int ranks = rankTitles(runs, titles);
    // Stable, so that of two records that compare equal the first one in the log stays.
    const Entries entries = sortedRuns(runs, ranks, records);
    const auto compare = [&records](const Entry &a, const Entry &b) { return compareRecords(a, b, records); };

    view.rows_.reserve(entries.size() + others.size() + 2);
    const Entry *previous = nullptr;
    for (const Entry &entry : entries) {
        if (previous != nullptr && compare(*previous, entry) == 0)
            continue;
        // Titles that differ only in case sort together but still form groups of their own.
        if (previous != nullptr && previous->titleIndex != entry.titleIndex)
            view.append({});
        view.append({entry.record, Run, entry.percent});
        previous = &entry;
    }
    // Lines that are no run close the view in their own group, in log order and as they stand.
    if (!others.empty()) {
        if (!view.rows_.empty())
            view.append({});
        view.append({-1, UnreadableHeading});
        for (const qint32 record : others)
            view.append({record, AsItStands});
    }
    return view;
}

LogViewRows LogViewRows::AsTheyStand(const LogRecords &lines)
{
    LogViewRows view;
    view.texts_ = lines;
    view.rows_.reserve(size_t(lines.size()));
    for (qint32 i = 0; i < qint32(lines.size()); ++i)
        view.append({i, AsItStands});
    return view;
}

void LogViewRows::append(Row row)
{
    qsizetype size = 0;
    switch (row.form) {
    case Run:
        size = texts_.at(row.text).size() - (LogColumns::TimeEnd - LogColumns::TimeStart) + NoteLabel.size()
             + gradeOf(row.percent).size();
        break;
    case AsItStands:
        size = texts_.at(row.text).size();
        break;
    case Gap:
        break;
    case UnreadableHeading:
        size = UnreadableHeadingText.size();
        break;
    }
    if (size > longestSize_) {
        longestSize_ = size;
        longest_ = qsizetype(rows_.size());
    }
    rows_.push_back(row);
}

QString LogViewRows::line(qsizetype row) const
{
    const Row &shown = rows_.at(size_t(row));
    switch (shown.form) {
    case Run:
        return shownLine(texts_.at(shown.text), shown.percent);
    case AsItStands:
        return texts_.at(shown.text).toString();
    case Gap:
        break;
    case UnreadableHeading:
        return UnreadableHeadingText;
    }
    return QString();
}

QStringList LogViewLines(const LogRecords &records)
{
    const LogViewRows view = LogViewRows::Arranged(records);
    QStringList lines;
    lines.reserve(view.size());
    for (qsizetype row = 0; row < view.size(); ++row)
        lines.append(view.line(row));
    return lines;
}
