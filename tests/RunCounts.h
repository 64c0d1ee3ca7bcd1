#pragma once
// The counts of a run that gives a share of right answers, for tests that write records by
// hand: a record counts only when its percent follows from its counts.

#include <QString>
#include <algorithm>

// " rr ok  ww falsch  ppp%" with the fewest tasks that give percent; 12 and 3 where no run
// gives it, so that such a record is no run.
inline QString RunCountsFor(int percent)
{
    int right = 12, wrong = 3;
    for (int tasks = 75; tasks >= 1; --tasks) {
        for (int r = std::max(0, tasks - 25); r <= std::min(50, tasks); ++r) {
            if (r * 100 / tasks == percent)
                right = r, wrong = tasks - r;
        }
    }
    return QStringLiteral(" %1 ok  %2 falsch  %3%").arg(right, 2).arg(wrong, 2).arg(percent, 3);
}
