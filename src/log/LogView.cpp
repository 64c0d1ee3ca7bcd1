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
QString groupedTitle(QString title)
{
    while (title.endsWith(QLatin1Char(' ')))
        title.chop(1);
    return title;
}

struct Entry
{
    int titleRank = 0;    // titles that collate equal share a rank
    int titleIndex = 0;   // the same for the same title only
    qint64 day = 0;
    const QString *record = nullptr;
    QString title;
    qint32 percent = 0;
};

// Ranks the titles in the user's collation, without regard to case. The log holds few
// distinct titles, so only those are collated.
void rankTitles(std::vector<Entry> &entries)
{
    QHash<QStringView, int> indexOf;
    QList<QStringView> titles;
    for (Entry &entry : entries) {
        auto found = indexOf.find(entry.title);
        if (found == indexOf.end()) {
            found = indexOf.insert(entry.title, int(titles.size()));
            titles.append(entry.title);
        }
        entry.titleIndex = *found;
    }

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
        entry.titleRank = rankOf[size_t(entry.titleIndex)];
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

// Within one title and day the records differ in their figures and time, where the code
// order of the characters agrees with the collation.
int compareRecords(const Entry &a, const Entry &b)
{
    if (a.titleRank != b.titleRank)
        return a.titleRank < b.titleRank ? -1 : 1;
    if (a.day != b.day)
        return a.day < b.day ? -1 : 1;
    return compareIgnoringCase(*a.record, *b.record);
}

// The log keeps the English unit of its stored format; the viewer shows the German one,
// of the same width, so the columns stay where they are.
const QLatin1String ShownUnit(" Sek. ");
const QString UnreadableHeading = QStringLiteral("Nicht lesbare Einträge:");

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
QString shownLine(const QString &record, qint32 percent)
{
    using namespace LogColumns;
    const QString note = QLatin1String(" Note: ") + gradeOf(percent);
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

} // namespace

QStringList LogViewLines(const QStringList &records)
{
    const QDate today = QDate::currentDate();
    std::vector<Entry> entries;
    QStringList unreadable;
    entries.reserve(size_t(records.size()));
    for (const QString &record : records) {
        // Only the runs are graded; the moment is only compared, so as written will do.
        if (auto entry = ParseLogRecord(record, Qt::UTC, today))
            entries.push_back({0, 0, entry->when.date().toJulianDay(), &record, groupedTitle(std::move(entry->title)),
                               entry->percent});
        else
            unreadable.append(record);
    }

    rankTitles(entries);
    // Stable, so that of two records that compare equal the first one in the log stays.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &a, const Entry &b) { return compareRecords(a, b) < 0; });

    QStringList lines;
    lines.reserve(records.size());
    const Entry *previous = nullptr;
    for (const Entry &entry : entries) {
        if (previous != nullptr && compareRecords(*previous, entry) == 0)
            continue;
        // Titles that differ only in case sort together but still form groups of their own.
        if (previous != nullptr && previous->titleIndex != entry.titleIndex)
            lines.append(QString());
        lines.append(shownLine(*entry.record, entry.percent));
        previous = &entry;
    }
    // Lines that are no run close the view in their own group, in log order and as they stand.
    if (!unreadable.isEmpty()) {
        if (!lines.isEmpty())
            lines.append(QString());
        lines.append(UnreadableHeading);
        lines.append(unreadable);
    }
    return lines;
}
