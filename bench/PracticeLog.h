#pragma once
// Logs as years of practice leave them, for the benchmarks: every exercise of the menu,
// runs a fixed time apart with some minutes of jitter, stored masked as the program does.

#include "core/Cp1252.h"
#include "log/LogFile.h"
#include "kinds/Kinds.h"
#include "core/Random.h"

inline QByteArray PracticeLog(Random &random, int records, qint64 secondsApart)
{
    const QList<const KindInfo *> menuKinds = PractisedKinds();
    const QDateTime first(QDate(2024, 1, 1), QTime(8, 0));
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        RunResult result;
        result.finishedAt = first.addSecs(qint64(i) * secondsApart + random.below(600));
        result.rightCount = random.between(0, 50);
        result.wrongCount = random.between(result.rightCount == 0 ? 1 : 0, 25);
        result.totalThinkTime = random.fraction() * 400.0;
        result.title = menuKinds.at(random.below(qint32(menuKinds.size())))->logTitle.toString();
        bytes += MaskLogText(EncodeCp1252(LogRecordFor(result))) + "\r\n";
    }
    return bytes;
}
