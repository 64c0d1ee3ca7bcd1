#include "log/LogRecord.h"

#include "kinds/Kinds.h"

#include <QLocale>
#include <algorithm>

QByteArray MaskLogText(QByteArray text)
{
    constexpr char MaskByte = 0x0E;
    QByteArray masked = std::move(text);
    for (char &c : masked)
        c = char(c ^ MaskByte);
    return masked;
}

namespace {

constexpr double AverageCap = 99.99;

// The separator between hours and minutes in the locale's short time format.
QString timeSeparator(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype i = 0;
    while (i < format.size() && format.at(i) != QLatin1Char('h') && format.at(i) != QLatin1Char('H'))
        ++i;
    while (i < format.size() && (format.at(i) == QLatin1Char('h') || format.at(i) == QLatin1Char('H')))
        ++i;
    if (i < format.size()) {
        const QChar c = format.at(i);
        if (c.isPunct() && c != QLatin1Char('\''))
            return QString(c);
    }
    return QStringLiteral(":");
}

QString twoDigits(int n)
{
    return QString::asprintf("%02d", n);
}

// The record's fields are read from their columns, each laid out as the writer does:
// numbers right-aligned with blanks, never with leading zeros; the separators of any
// locale. Reading the columns directly keeps a long log quick to check.
class RecordColumns
{
public:
    explicit RecordColumns(QStringView record) : m_record(record) {}

    bool isDigit(qsizetype i) const
    {
        const QChar c = m_record.at(i);
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }
    bool is(qsizetype i, char c) const { return m_record.at(i) == QLatin1Char(c); }
    bool holds(qsizetype i, QLatin1String text) const { return m_record.mid(i, text.size()) == text; }
    int digit(qsizetype i) const { return m_record.at(i).unicode() - '0'; }

    // Two digits, a leading zero included (dates and times).
    std::optional<int> twoDigits(qsizetype i) const
    {
        if (!isDigit(i) || !isDigit(i + 1))
            return std::nullopt;
        return digit(i) * 10 + digit(i + 1);
    }
    // A number right-aligned in `width` columns: blanks, then digits without a leading zero.
    std::optional<int> aligned(qsizetype i, int width) const
    {
        int value = 0;
        bool started = false;
        for (qsizetype k = i; k < i + width; ++k) {
            const bool last = k == i + width - 1;
            if (!started && is(k, ' ') && !last)
                continue;
            if (!isDigit(k) || (!started && digit(k) == 0 && !last))
                return std::nullopt;
            started = true;
            value = value * 10 + digit(k);
        }
        return value;
    }

private:
    QStringView m_record;
};

struct RecordFields
{
    int day, month, year, hour, minute, second, right, wrong, percent, seconds, hundredths;
};

std::optional<RecordFields> readColumns(QStringView record)
{
    using namespace LogColumns;
    if (record.size() <= TitleStart)
        return std::nullopt;
    const RecordColumns columns(record);
    const auto day = columns.twoDigits(DayStart), month = columns.twoDigits(MonthStart),
               year = columns.twoDigits(YearStart), hour = columns.twoDigits(TimeStart),
               minute = columns.twoDigits(TimeStart + 3), second = columns.twoDigits(TimeStart + 6);
    const auto right = columns.aligned(18, 2), wrong = columns.aligned(25, 2);
    const auto percent = columns.aligned(PercentStart, 3);
    const auto seconds = columns.aligned(AfterPercentSign + 1, 2), hundredths = columns.twoDigits(44);
    const bool separators = columns.is(2, '.') && columns.is(5, '.') && columns.is(8, ' ')
        && !columns.isDigit(TimeStart + 2) && !columns.isDigit(TimeStart + 5) && columns.is(TimeEnd, ' ')
        && columns.holds(20, QLatin1String(" ok  ")) && columns.holds(27, QLatin1String(" falsch  "))
        && columns.holds(AfterPercentSign - 1, QLatin1String("% ")) && !columns.isDigit(43)
        && columns.holds(UnitStart, SecondsUnit);
    if (!separators || !day || !month || !year || !hour || !minute || !second || !right || !wrong || !percent
        || !seconds || !hundredths)
        return std::nullopt;
    return RecordFields{*day, *month, *year, *hour, *minute, *second, *right, *wrong, *percent, *seconds, *hundredths};
}

// What a run can leave: it ends at its limit of right or wrong answers.
bool countsOfARun(qint32 right, qint32 wrong)
{
    return right >= 0 && right <= RightAnswersPerRun && wrong >= 0 && wrong <= WrongAnswersPerRun
        && right + wrong > 0;
}

} // namespace

QString LogRecordFor(const RunResult &result)
{
    const QLocale locale;
    const QDate date = result.finishedAt.date();
    const QTime time = result.finishedAt.time();
    const QString separator = timeSeparator(locale);
    QString average = QString::asprintf("%5.2f", std::min(AverageCap, result.averageThinkTime()));
    average.replace(QLatin1Char('.'), locale.decimalPoint());

    return twoDigits(date.day()) + QLatin1Char('.') + twoDigits(date.month()) + QLatin1Char('.')
         + twoDigits(date.year() % 100) + QLatin1Char(' ')
         + twoDigits(time.hour()) + separator + twoDigits(time.minute()) + separator + twoDigits(time.second())
         + QString::asprintf(" %2d ok  %2d falsch  %3d%% ", result.rightCount, result.wrongCount, result.percentRight())
         + average + LogColumns::SecondsUnit + result.title;
}

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

std::optional<LoggedRun> CheckLogRecord(QStringView record, QDate today)
{
    const std::optional<RecordFields> fields = readColumns(record);
    const QStringView title = record.mid(LogColumns::TitleStart);
    if (!fields || !IsLoggedTitle(title))
        return std::nullopt;
    // Two-digit years: the log was started in this century.
    const QDate date(2000 + fields->year, fields->month, fields->day);
    const QTime time(fields->hour, fields->minute, fields->second);
    // Tomorrow still counts: the computer that wrote the run may be a time zone ahead.
    if (!date.isValid() || !time.isValid() || date > today.addDays(1))
        return std::nullopt;
    RunResult figures;
    figures.rightCount = fields->right;
    figures.wrongCount = fields->wrong;
    if (!countsOfARun(figures.rightCount, figures.wrongCount) || fields->percent != figures.percentRight())
        return std::nullopt;
    // The writer caps the average at 99,99, which the field's two digits before the separator hold.
    return LoggedRun{date,          time, figures.rightCount, figures.wrongCount, figures.percentRight(),
                     fields->seconds + fields->hundredths / 100.0, title};
}

std::optional<LogEntry> ParseLogRecord(QStringView record, Qt::TimeSpec zone, QDate today)
{
    const std::optional<LoggedRun> run = CheckLogRecord(record, today);
    if (!run)
        return std::nullopt;
    LogEntry entry;
    entry.when = QDateTime(run->date, run->time, zone);
    entry.rightCount = run->rightCount;
    entry.wrongCount = run->wrongCount;
    entry.percent = run->percent;
    entry.averageSeconds = run->averageSeconds;
    entry.title = run->title.toString();
    return entry;
}

namespace {

// Records held apart or in one block alike.
template <typename Records>
QList<LogEntry> parseEach(const Records &records)
{
    const QDate today = QDate::currentDate();
    QList<LogEntry> entries;
    entries.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (auto entry = ParseLogRecord(records.at(i), Qt::LocalTime, today))
            entries.append(std::move(*entry));
    }
    return entries;
}

} // namespace

QList<LogEntry> ParseLogRecords(const QStringList &records)
{
    return parseEach(records);
}

QList<LogEntry> ParseLogRecords(const LogRecords &records)
{
    return parseEach(records);
}
