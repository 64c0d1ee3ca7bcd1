#pragma once
// The result of a finished run and the texts of the summary that replaces the task area
// at its end.

#include "core/RunResult.h"

class PracticeRun;

#include <QLocale>
#include <QString>

// What a run that ended at finishedAt, under the exercise's caption, leaves for the
// summary and the log.
RunResult RunResultOf(const PracticeRun &run, const QString &title, const QDateTime &finishedAt);
// The exercise's caption between double quotation marks.
QString SummaryTitle(const QString &caption);
// Date, right and wrong counts and the average thinking time, lines broken by a carriage
// return; date and decimals as the locale writes them.
QString SummaryText(const RunResult &result, const QLocale &locale);
