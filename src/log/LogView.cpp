// The viewer's arrangement of the log: records grouped by exercise title, sorted by date
// within a title, the time of day left out and a school grade behind the percentage.
// Reading the log and showing the lines are left to the log file and the window.

#include "log/LogFile.h"

#include <QCollator>
#include <QHash>

#include <algorithm>
#include <vector>

namespace {

// Columns of a record, counted from 0.
constexpr qsizetype TimeStart = 9;
constexpr qsizetype TimeEnd = 17;
constexpr qsizetype PercentStart = 36;
constexpr qsizetype PercentSign = 39;
constexpr qsizetype AfterPercentSign = 40;

bool isDigitAt(const QString &record, qsizetype i)
{
    const QChar c = record.at(i);
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Only records laid out as the log writes them are taken apart; any other line is shown
// as it stands, whatever it holds.
bool followsRecordFormat(const QString &record)
{
    if (record.size() < LogRecordPrefixLength)
        return false;
    for (const qsizetype i : {0, 1, 3, 4, 6, 7}) {
        if (!isDigitAt(record, i))
            return false;
    }
    return record.at(2) == QLatin1Char('.') && record.at(5) == QLatin1Char('.')
        && record.at(8) == QLatin1Char(' ') && record.at(PercentSign) == QLatin1Char('%');
}

int twoDigitsAt(const QString &record, qsizetype i)
{
    return (record.at(i).unicode() - '0') * 10 + (record.at(i + 1).unicode() - '0');
}

// Year, month and day of a well-formed record as one number that sorts by date.
int dateKey(const QString &record)
{
    return twoDigitsAt(record, 6) * 10000 + twoDigitsAt(record, 3) * 100 + twoDigitsAt(record, 0);
}

// The title as it groups: trailing spaces do not make another exercise.
QString titleOf(const QString &record)
{
    QString title = record.mid(LogRecordPrefixLength);
    qsizetype end = title.size();
    while (end > 0 && title.at(end - 1) == QLatin1Char(' '))
        --end;
    title.truncate(end);
    return title;
}

struct Entry
{
    int titleRank;   // titles that collate equal share a rank
    int date;
    const QString *record;
    QString title;
};

// Rank of every distinct title in the user's collation, without regard to case. The log
// holds few distinct titles, so only those are collated.
QHash<QString, int> titleRanks(const std::vector<Entry> &entries)
{
    QHash<QString, int> ranks;
    for (const Entry &entry : entries)
        ranks.insert(entry.title, 0);
    QStringList titles = ranks.keys();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(titles.begin(), titles.end(), collator);
    int rank = 0;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        if (i > 0 && collator.compare(titles.at(i - 1), titles.at(i)) != 0)
            ++rank;
        ranks[titles.at(i)] = rank;
    }
    return ranks;
}

// Within one title and day the records differ in their figures and time, where the code
// order of the characters agrees with the collation.
int compareRecords(const Entry &a, const Entry &b)
{
    if (a.titleRank != b.titleRank)
        return a.titleRank < b.titleRank ? -1 : 1;
    if (a.date != b.date)
        return a.date < b.date ? -1 : 1;
    return QString::compare(*a.record, *b.record, Qt::CaseInsensitive);
}

// A record as the viewer shows it: without the time of day, with the grade behind "%".
QString shownLine(const QString &record)
{
    const QStringView whole(record);
    QString line;
    line.reserve(record.size() + 9);
    line.append(whole.left(TimeStart));
    line.append(whole.mid(TimeEnd, AfterPercentSign - TimeEnd));
    line.append(QLatin1String(" Note: "));
    line.append(GradeForPercent(record.mid(PercentStart, 3)));
    line.append(whole.mid(AfterPercentSign));
    return line;
}

} // namespace

QString GradeForPercent(const QString &percentField)
{
    struct Row
    {
        QLatin1String atLeast;
        QLatin1String grade;
    };
    static const Row rows[] = {
        {QLatin1String(" 94"), QLatin1String("1 ")}, {QLatin1String(" 90"), QLatin1String("2+")},
        {QLatin1String(" 87"), QLatin1String("2 ")}, {QLatin1String(" 84"), QLatin1String("2-")},
        {QLatin1String(" 79"), QLatin1String("3+")}, {QLatin1String(" 75"), QLatin1String("3 ")},
        {QLatin1String(" 68"), QLatin1String("3-")}, {QLatin1String(" 64"), QLatin1String("4+")},
        {QLatin1String(" 58"), QLatin1String("4 ")}, {QLatin1String(" 50"), QLatin1String("4-")},
        {QLatin1String(" 44"), QLatin1String("5+")}, {QLatin1String(" 40"), QLatin1String("5 ")},
        {QLatin1String(" 30"), QLatin1String("5-")},
    };
    // The field is right-aligned, so comparing character codes compares the numbers.
    const QString p = percentField.left(3);
    if (p == QLatin1String("   "))
        return QStringLiteral("  ");
    if (p == QLatin1String("100"))
        return QStringLiteral("1+");
    for (const Row &row : rows) {
        if (QString::compare(p, row.atLeast) >= 0)
            return row.grade;
    }
    return QStringLiteral("6");
}

QStringList LogViewLines(const QStringList &records)
{
    std::vector<Entry> entries;
    QStringList malformed;
    entries.reserve(size_t(records.size()));
    for (const QString &record : records) {
        if (followsRecordFormat(record))
            entries.push_back({0, dateKey(record), &record, titleOf(record)});
        else
            malformed.append(record);
    }

    const QHash<QString, int> ranks = titleRanks(entries);
    for (Entry &entry : entries)
        entry.titleRank = ranks.value(entry.title);
    // Stable, so that of two records that compare equal the first one in the log stays.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &a, const Entry &b) { return compareRecords(a, b) < 0; });

    QStringList lines;
    lines.reserve(records.size() + qsizetype(ranks.size()) + 1);
    const Entry *previous = nullptr;
    for (const Entry &entry : entries) {
        if (previous != nullptr && compareRecords(*previous, entry) == 0)
            continue;
        // Titles that differ only in case sort together but still form groups of their own.
        if (previous != nullptr && previous->title != entry.title)
            lines.append(QString());
        lines.append(shownLine(*entry.record));
        previous = &entry;
    }
    // Lines the writer did not lay out close the view in their own group, in log order.
    if (!lines.isEmpty() && !malformed.isEmpty())
        lines.append(QString());
    lines.append(malformed);
    return lines;
}
