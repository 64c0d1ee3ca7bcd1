#pragma once
// The answers the answer helper records, so that the test knows every record to expect.

#include "core/AnsweredTask.h"

inline AnsweredTask HelperAnswer(int index)
{
    AnsweredTask answer;
    answer.answeredAt = QDateTime(QDate(2026, 12, 7), QTime(11, 8, 51));
    answer.kind = 301;
    answer.attempt = 1 + index % 3;
    answer.task = QStringLiteral("Runde auf Zehner: %1").arg(1000 + index);
    answer.expected = (1000 + index + 5) / 10 * 10;
    answer.given = index;
    answer.thinkSeconds = (index % 1000) * 0.25;
    return answer;
}
