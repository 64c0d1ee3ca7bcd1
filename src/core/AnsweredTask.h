#pragma once
// One answer a child gave, as the answer record keeps it: handed over by the run, written
// and read by the log.

#include <QDateTime>
#include <QString>

struct AnsweredTask
{
    QDateTime answeredAt;      // local date and time of the answer
    qint32 kind = 0;           // the code of the run's kind
    qint32 attempt = 1;        // 1: the first try at the task; 2, 3, …: the tries after a wrong one
    QString task;              // the task as shown, written as the kind's recording says
    qint32 expected = 0;
    qint32 given = 0;
    double thinkSeconds = 0.0; // since the task was posed

    bool isRight() const { return given == expected; }
    bool operator==(const AnsweredTask &) const = default;
};
