#pragma once
// The answer record: every answered task of a child, one record per answer in
// "bm-antworten.log" beside the result log, stored, locked and read exactly as "bm.log" is.
// The record's fields and the one rule that decides which lines count are here.

#include "core/AnsweredTask.h"
#include "log/LogFile.h"
#include "log/LogLock.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

inline constexpr auto AnswerFileName = "bm-antworten.log";

// "yyyy-mm-dd hh:mm:ss;KIND;TRY;TASK;EXPECTED;GIVEN;SECONDS", the seconds with a comma and
// two decimals. A semicolon in the task is written as a comma.
QString AnswerRecordFor(const AnsweredTask &answer);

// The answer of one unmasked record, or nothing when no run of this program can have
// written it: a valid moment not later than tomorrow, a kind of the registry, a try from 1,
// a task of at most MaxShownTaskLength characters, two whole numbers and a thinking time
// with its two decimals, each field as the writer lays it out. A torn record fails, since
// its last field then lacks its decimals or its fields are fewer.
// The moment is read in zone: local time, or as written where it is not looked at (which
// spares a look at the time zone per record).
std::optional<AnsweredTask> ParseAnswerRecord(const QString &record, QDate today = QDate::currentDate(),
                                              Qt::TimeSpec zone = Qt::LocalTime);
// The same into answer, whose task keeps its buffer from record to record; false, and
// answer left in any state, when the record does not count.
bool ParseAnswerRecordInto(const QString &record, QDate today, Qt::TimeSpec zone, AnsweredTask &answer);
QList<AnsweredTask> ParseAnswerRecords(const QStringList &records, Qt::TimeSpec zone = Qt::LocalTime);

inline constexpr qsizetype MaxShownTaskLength = 200;

// Appends the answer to the answer record when the configuration logs at all.
LogOutcome LogAnsweredTask(const AnsweredTask &answer);

// Appends the valid answers of the answer record at path (a child's, in a class folder).
LogOutcome ReadAnswersAt(const QString &path, QList<AnsweredTask> &answers);
// The same, waiting for another process's lock only until deadline (one wait shared by the
// records of a whole class), the moments read in zone.
LogOutcome ReadAnswersAt(const QString &path, QList<AnsweredTask> &answers, LockDeadline deadline,
                         Qt::TimeSpec zone);
// The same, handing each valid answer to sink as it is read (valid only during the call),
// so that a class's answers are summed up without being held. They count only when the
// outcome is Done.
using AnswerSink = std::function<void(const AnsweredTask &answer)>;
LogOutcome ReadAnswersAt(const QString &path, const AnswerSink &sink, LockDeadline deadline, Qt::TimeSpec zone);
