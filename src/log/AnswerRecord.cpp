#include "log/AnswerRecord.h"

#include "kinds/Kinds.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// A writer caps the thinking time so that the field keeps its width; a task left open
// for hours says nothing more than one left open for ten thousand seconds.
constexpr double SecondsCap = 9999.99;
constexpr qint32 TriesCap = 9999;
constexpr int Fields = 7;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Digits as the writer writes a number: no sign unless allowed, no leading zero, at most
// maxDigits of them.
std::optional<qint64> plainNumber(QStringView text, bool signAllowed, int maxDigits)
{
    const bool negative = signAllowed && text.startsWith(QLatin1Char('-'));
    const QStringView digits = negative ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > maxDigits || (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        || (negative && digits == QLatin1String("0")))
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return negative ? -value : value;
}

std::optional<qint32> wholeNumber(QStringView text)
{
    const std::optional<qint64> value = plainNumber(text, true, 10);
    if (!value || *value < std::numeric_limits<qint32>::min() || *value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(*value);
}

// "yyyy-mm-dd hh:mm:ss", every digit in its place.
QDateTime momentIn(QStringView text, Qt::TimeSpec zone)
{
    static constexpr QLatin1String layout("dddd-dd-dd dd:dd:dd");
    if (text.size() != layout.size())
        return {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (layout.at(i) == QLatin1Char('d') ? !isDigit(text.at(i)) : text.at(i) != layout.at(i))
            return {};
    }
    // Every digit is checked above, so the numbers are plain sums.
    const auto at = [&](qsizetype from, qsizetype length) {
        int value = 0;
        for (const QChar c : text.mid(from, length))
            value = value * 10 + (c.unicode() - '0');
        return value;
    };
    return QDateTime(QDate(at(0, 4), at(5, 2), at(8, 2)), QTime(at(11, 2), at(14, 2), at(17, 2)), zone);
}

// "12,34": whole seconds, a comma and exactly two decimals.
std::optional<double> secondsIn(QStringView text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0 || text.size() - comma != 3)
        return std::nullopt;
    const std::optional<qint64> whole = plainNumber(text.left(comma), false, 4);
    const QStringView decimals = text.mid(comma + 1);
    if (!whole || !isDigit(decimals.at(0)) || !isDigit(decimals.at(1)))
        return std::nullopt;
    return double(*whole) + decimals.toInt() / 100.0;
}

} // namespace

QString AnswerRecordFor(const AnsweredTask &answer)
{
    QString task = answer.task.left(MaxShownTaskLength);
    task.replace(QLatin1Char(';'), QLatin1Char(','));
    const double seconds = std::clamp(answer.thinkSeconds, 0.0, SecondsCap);
    QString time = QString::asprintf("%.2f", seconds);
    time.replace(QLatin1Char('.'), QLatin1Char(','));
    return answer.answeredAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char(';')
         + QString::number(answer.kind) + QLatin1Char(';') + QString::number(std::clamp(answer.attempt, 1, TriesCap))
         + QLatin1Char(';') + task + QLatin1Char(';') + QString::number(answer.expected) + QLatin1Char(';')
         + QString::number(answer.given) + QLatin1Char(';') + time;
}

std::optional<AnsweredTask> ParseAnswerRecord(const QString &record, QDate today, Qt::TimeSpec zone)
{
    AnsweredTask answer;
    if (!ParseAnswerRecordInto(record, today, zone, answer))
        return std::nullopt;
    return answer;
}

bool ParseAnswerRecordInto(const QString &record, QDate today, Qt::TimeSpec zone, AnsweredTask &answer)
{
    // Taken apart in place, in one pass over the record: a list of the fields for each of
    // a class's records would cost more than reading them.
    std::array<QStringView, Fields> fields;
    int field = 0;
    qsizetype start = 0;
    const QChar *text = record.constData();
    for (qsizetype i = 0; i < record.size(); ++i) {
        if (text[i] != QLatin1Char(';'))
            continue;
        if (field == Fields - 1)
            return false;
        fields[size_t(field++)] = QStringView(text + start, i - start);
        start = i + 1;
    }
    if (field != Fields - 1)
        return false;
    fields[Fields - 1] = QStringView(text + start, record.size() - start);
    answer.answeredAt = momentIn(fields[0], zone);
    // Tomorrow still counts: the computer that wrote the answer may be a time zone ahead.
    if (!answer.answeredAt.isValid() || answer.answeredAt.date() > today.addDays(1))
        return false;
    const std::optional<qint64> kind = plainNumber(fields[1], false, 4);
    const std::optional<qint64> attempt = plainNumber(fields[2], false, 4);
    const std::optional<qint32> expected = wholeNumber(fields[4]), given = wholeNumber(fields[5]);
    const std::optional<double> seconds = secondsIn(fields[6]);
    if (!kind || FindKind(qint32(*kind)) == nullptr || !attempt || *attempt < 1 || fields[3].trimmed().isEmpty()
        || fields[3].size() > MaxShownTaskLength || !expected || !given || !seconds)
        return false;
    answer.kind = qint32(*kind);
    answer.attempt = qint32(*attempt);
    answer.task.resize(0);
    answer.task.append(fields[3]);
    answer.expected = *expected;
    answer.given = *given;
    answer.thinkSeconds = *seconds;
    return true;
}

QList<AnsweredTask> ParseAnswerRecords(const QStringList &records, Qt::TimeSpec zone)
{
    const QDate today = QDate::currentDate();
    QList<AnsweredTask> answers;
    answers.reserve(records.size());
    for (const QString &record : records) {
        if (std::optional<AnsweredTask> answer = ParseAnswerRecord(record, today, zone))
            answers.append(std::move(*answer));
    }
    return answers;
}

LogOutcome LogAnsweredTask(const AnsweredTask &answer)
{
    if (!logSettings().logEnabled)
        return {LogStatus::NotLogged, QString()};
    return AppendLogLine(QString::fromLatin1(AnswerFileName), AnswerRecordFor(answer));
}

LogOutcome ReadAnswersAt(const QString &path, QList<AnsweredTask> &answers)
{
    return ReadAnswersAt(path, answers, std::chrono::steady_clock::now() + ReadLockPatience, Qt::LocalTime);
}

LogOutcome ReadAnswersAt(const QString &path, QList<AnsweredTask> &answers, LockDeadline deadline,
                         Qt::TimeSpec zone)
{
    // Kept aside until the whole record is read, so that answers stays as it is otherwise.
    QList<AnsweredTask> read;
    const LogOutcome outcome = ReadAnswersAt(path, [&](const AnsweredTask &answer) { read.append(answer); },
                                             deadline, zone);
    if (outcome.status == LogStatus::Done)
        answers.append(read);
    return outcome;
}

LogOutcome ReadAnswersAt(const QString &path, const AnswerSink &sink, LockDeadline deadline, Qt::TimeSpec zone)
{
    const QDate today = QDate::currentDate();
    AnsweredTask answer;
    return ReadLogFileAt(
        path,
        [&](const QString &record) {
            if (ParseAnswerRecordInto(record, today, zone, answer))
                sink(answer);
        },
        deadline);
}
