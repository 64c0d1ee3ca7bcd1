#pragma once
// The texts of the summary that replaces the task area at the end of a run.

#include "run/types/RunResult.h"

#include <QLocale>
#include <QString>

// The exercise's caption between double quotation marks.
QString SummaryTitle(const QString &caption);
// Date, right and wrong counts and the average thinking time, lines broken by a carriage
// return; date and decimals as the locale writes them.
QString SummaryText(const RunResult &result, const QLocale &locale);
