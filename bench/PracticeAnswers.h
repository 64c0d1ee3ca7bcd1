#pragma once
// Answer records as a year of practice leaves them, for the benchmarks: tasks of every
// exercise of the menu made by their own generators, mostly answered right, some with
// tens and ones swapped and some simply wrong, stored masked as the program does.

#include "TestSupport.h"
#include "log/AnswerRecord.h"
#include "run/ShownTask.h"

#include <QDir>
#include <QFile>

// A stock of tasks as the record writes them, drawn from again and again.
struct PosedTask
{
    qint32 kind = 0;
    QString task;
    qint32 expected = 0;
};

inline QList<PosedTask> PosedTasks(Random &random, int perKind)
{
    QList<PosedTask> tasks;
    for (const KindInfo *kind : PractisedKinds()) {
        for (int i = 0; i < perKind; ++i) {
            GenerationContext context = MakeContext(random, 30);
            const GeneratedTask task = kind->generator(context, kind->level);
            tasks.append({kind->code, ShownTaskOf(*kind, task), AskedNumber(*kind, task)});
        }
    }
    return tasks;
}

// One in ten answers is wrong: half of them with tens and ones swapped, the rest off by a little.
inline QByteArray PracticeAnswers(Random &random, const QList<PosedTask> &tasks, int answers)
{
    const QDateTime first(QDate(2025, 9, 1), QTime(8, 0));
    QByteArray bytes;
    for (int i = 0; i < answers; ++i) {
        const PosedTask &posed = tasks.at(random.below(qint32(tasks.size())));
        AnsweredTask answer{first.addSecs(qint64(i) * 600), posed.kind, 1, posed.task, posed.expected,
                            posed.expected, random.fraction() * 20.0};
        const qint32 roll = random.below(20);
        if (roll == 0)
            answer.given = posed.expected / 100 * 100 + posed.expected % 10 * 10 + posed.expected / 10 % 10;
        else if (roll == 1)
            answer.given = posed.expected + random.between(1, 9);
        bytes += StoredLogLine(AnswerRecordFor(answer));
    }
    return bytes;
}

// A class folder of children "kind-00", "kind-01", … with an answer record each.
inline void WritePracticeClass(const QString &folder, int children, int answers)
{
    Random random(4711);
    const QList<PosedTask> tasks = PosedTasks(random, 40);
    const QDir root(folder);
    for (int child = 0; child < children; ++child) {
        const QString name = QStringLiteral("kind-%1").arg(child, 2, 10, QLatin1Char('0'));
        root.mkdir(name);
        QFile record(root.filePath(name + QLatin1Char('/') + QLatin1String(AnswerFileName)));
        const QByteArray bytes = PracticeAnswers(random, tasks, answers);
        if (!record.open(QIODevice::WriteOnly) || record.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark class");
    }
}
