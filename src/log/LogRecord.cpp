#include "log/LogRecord.h"

#include "run/types/KindTitles.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

QByteArray MaskLogText(const QByteArray &text)
{
    constexpr char MaskByte = 0x0E;
    QByteArray masked = text;
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

// The fields in the columns of LogColumns, each laid out as the writer does: numbers
// right-aligned with blanks, never with leading zeros; the separators of any locale.
const QRegularExpression &recordPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d\d)\.(\d\d)\.(\d\d) (\d\d)\D(\d\d)\D(\d\d) ( \d|[1-9]\d) ok  ( \d|[1-9]\d) falsch  (  \d| [1-9]\d|100)% ( \d|[1-9]\d)\D(\d\d) sec  (.+)$)"));
    return pattern;
}

int field(const QRegularExpressionMatch &match, int group)
{
    return match.captured(group).trimmed().toInt();
}

// What a run can leave: the run ends at 50 right or 25 wrong answers.
bool countsOfARun(qint32 right, qint32 wrong)
{
    return right >= 0 && right <= 50 && wrong >= 0 && wrong <= 25 && right + wrong > 0;
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
         + average + QStringLiteral(" sec  ") + result.title;
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

std::optional<LogEntry> ParseLogRecord(const QString &record, Qt::TimeSpec zone, QDate today)
{
    const QRegularExpressionMatch match = recordPattern().match(record);
    if (!match.hasMatch() || !IsExerciseTitle(match.capturedView(12)))
        return std::nullopt;
    // Two-digit years: the log was started in this century.
    const QDate date(2000 + field(match, 3), field(match, 2), field(match, 1));
    const QTime time(field(match, 4), field(match, 5), field(match, 6));
    // Tomorrow still counts: the computer that wrote the run may be a time zone ahead.
    if (!date.isValid() || !time.isValid() || date > today.addDays(1))
        return std::nullopt;
    RunResult figures;
    figures.rightCount = field(match, 7);
    figures.wrongCount = field(match, 8);
    if (!countsOfARun(figures.rightCount, figures.wrongCount) || field(match, 9) != figures.percentRight())
        return std::nullopt;
    LogEntry entry;
    entry.when = QDateTime(date, time, zone);
    entry.rightCount = figures.rightCount;
    entry.wrongCount = figures.wrongCount;
    entry.percent = figures.percentRight();
    // The writer caps the average at 99,99, which the field's two digits before the separator hold.
    entry.averageSeconds = field(match, 10) + field(match, 11) / 100.0;
    entry.title = match.captured(12);
    return entry;
}

QList<LogEntry> ParseLogRecords(const QStringList &records)
{
    const QDate today = QDate::currentDate();
    QList<LogEntry> entries;
    entries.reserve(records.size());
    for (const QString &record : records) {
        if (auto entry = ParseLogRecord(record, Qt::LocalTime, today))
            entries.append(std::move(*entry));
    }
    return entries;
}
