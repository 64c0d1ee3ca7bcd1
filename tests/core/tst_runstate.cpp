// The rules of a practice run: each task counts once, the run ends at 50 right or 25
// wrong answers, no task follows itself, and a generator that cannot vary never hangs.

#include "TestSupport.h"
#include "run/RunState.h"

#include <QSet>
#include <QTest>
#include <array>

namespace {

// Fake generators: the level picks how the task text varies.
GeneratedTask fakeGenerator(GenerationContext &context, int level)
{
    GeneratedTask task;
    switch (level) {
    case 0:   // never varies
        task.taskText = QStringLiteral("immer gleich");
        break;
    case 1:   // one of two texts
        task.taskText = QString::number(context.random.below(2));
        break;
    default:  // names the kind it was called for
        task.taskText = QStringLiteral("kind %1 #%2").arg(level).arg(context.random.below(1000));
        break;
    }
    task.expectedAnswer = 42;
    task.solutionText = task.taskText;
    return task;
}

const KindInfo *fakeKinds(qint32 code)
{
    static constexpr std::array<qint32, 2> bothWritings = {201, 202};
    static const KindInfo constant{.code = 900, .generator = fakeGenerator, .level = 0};
    static const KindInfo twoTexts{.code = 901, .generator = fakeGenerator, .level = 1};
    static const KindInfo writingSmall{.code = 201, .generator = fakeGenerator, .level = 201};
    static const KindInfo writingLarge{.code = 202, .generator = fakeGenerator, .level = 202};
    static const KindInfo mixed{.code = 204, .generator = nullptr, .level = 0, .drawsFrom = bothWritings};
    for (const KindInfo *info : {&constant, &twoTexts, &writingSmall, &writingLarge, &mixed}) {
        if (info->code == code)
            return info;
    }
    return nullptr;
}

PracticeRun runOfKind(qint32 kind)
{
    PracticeRun run;
    run.currentTask.kind = kind;
    run.reset();
    return run;
}

} // namespace

class TestRunState : public QObject
{
    Q_OBJECT

private slots:
    void aTaskCountsOnlyOnItsFirstAnswer_data()
    {
        QTest::addColumn<QList<qint32>>("answers");
        QTest::addColumn<qint32>("right");
        QTest::addColumn<qint32>("wrong");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("right at once") << QList<qint32>{42} << 1 << 0 << false << true;
        QTest::newRow("wrong, wrong, right") << QList<qint32>{1, 2, 42} << 0 << 1 << true << true;
        QTest::newRow("wrong stays open") << QList<qint32>{7} << 0 << 1 << true << false;
        QTest::newRow("second Enter after a right answer") << QList<qint32>{42, 42} << 1 << 0 << false << true;
        QTest::newRow("wrong answer after a right one") << QList<qint32>{42, 5} << 1 << 0 << false << true;
    }
    void aTaskCountsOnlyOnItsFirstAnswer()
    {
        QFETCH(QList<qint32>, answers);
        QFETCH(qint32, right);
        QFETCH(qint32, wrong);
        QFETCH(bool, failed);
        QFETCH(bool, accepted);
        Random random(1);
        GenerationContext context = MakeContext(random);
        PracticeRun run = runOfKind(901);
        QVERIFY(run.poseTask(context, fakeKinds));
        for (qint32 answer : answers)
            run.recordAnswer(answer);
        QCOMPARE(run.rightCount, right);
        QCOMPARE(run.wrongCount, wrong);
        QCOMPARE(run.currentTask.taskFailed, failed);
        QCOMPARE(run.answerAccepted, accepted);
    }

    void anEndedRunTakesNoAnswer()
    {
        Random random(2);
        GenerationContext context = MakeContext(random);
        PracticeRun run = runOfKind(901);
        QVERIFY(run.poseTask(context, fakeKinds));
        run.ended = true;
        QCOMPARE(run.recordAnswer(42), PracticeRun::Verdict::Ignored);
        QCOMPARE(run.answeredTasks(), 0);
    }

    void runEndsAtExactlyFiftyRightOrTwentyFiveWrong_data()
    {
        QTest::addColumn<qint32>("right");
        QTest::addColumn<qint32>("wrong");
        QTest::addColumn<bool>("over");
        QTest::newRow("49 right") << 49 << 0 << false;
        QTest::newRow("50 right") << 50 << 0 << true;
        QTest::newRow("24 wrong") << 10 << 24 << false;
        QTest::newRow("25 wrong") << 0 << 25 << true;
    }
    void runEndsAtExactlyFiftyRightOrTwentyFiveWrong()
    {
        QFETCH(qint32, right);
        QFETCH(qint32, wrong);
        QFETCH(bool, over);
        PracticeRun run;
        run.rightCount = right;
        run.wrongCount = wrong;
        QCOMPARE(run.limitReached(), over);
    }

    void noTaskFollowsItself()
    {
        Random random(3);
        GenerationContext context = MakeContext(random);
        PracticeRun run = runOfKind(901);
        QString previous;
        for (int i = 0; i < 200; ++i) {
            const auto task = run.poseTask(context, fakeKinds);
            QVERIFY(task);
            QVERIFY2(task->taskText != previous, qPrintable(task->taskText));
            QCOMPARE(run.previousTaskText, task->taskText);
            QVERIFY(!run.newTaskDue);
            previous = task->taskText;
            run.recordAnswer(42);
        }
    }

    void aGeneratorThatCannotVaryDoesNotHang()
    {
        Random random(4);
        GenerationContext context = MakeContext(random);
        PracticeRun run = runOfKind(900);
        QVERIFY(run.poseTask(context, fakeKinds));
        run.recordAnswer(42);
        const auto again = run.poseTask(context, fakeKinds);
        QVERIFY(again);
        QCOMPARE(again->taskText, QStringLiteral("immer gleich"));
    }

    void unknownKindIsRefused()
    {
        Random random(5);
        GenerationContext context = MakeContext(random);
        PracticeRun run = runOfKind(777);
        QVERIFY(!run.poseTask(context, fakeKinds));
        QVERIFY(run.newTaskDue);
    }

    void mixedWritingDrawsItsSubKindOncePerTask()
    {
        Random random(6);
        GenerationContext context = MakeContext(random);
        PracticeRun run = runOfKind(204);
        QSet<QString> subKinds;
        for (int i = 0; i < 100; ++i) {
            const auto task = run.poseTask(context, fakeKinds);
            QVERIFY(task);
            subKinds.insert(task->taskText.section(QLatin1Char(' '), 1, 1));
            run.recordAnswer(42);
        }
        QCOMPARE(subKinds, (QSet<QString>{QStringLiteral("201"), QStringLiteral("202")}));
    }

    void aNewRunForgetsThePreviousOne()
    {
        Random random(7);
        GenerationContext context = MakeContext(random);
        PracticeRun run = runOfKind(901);
        QVERIFY(run.poseTask(context, fakeKinds));
        run.recordAnswer(1);
        run.totalThinkTime = 12.5;
        run.ended = true;
        run.reset();
        QCOMPARE(run.rightCount, 0);
        QCOMPARE(run.wrongCount, 0);
        QCOMPARE(run.totalThinkTime, 0.0);
        QVERIFY(run.previousTaskText.isEmpty());
        QVERIFY(run.newTaskDue);
        QVERIFY(run.answerAccepted);
        QVERIFY(!run.ended);
        QCOMPARE(run.currentTask.kind, 901);
    }

    void averageDividesByRightAnswersOnly()
    {
        PracticeRun run;
        run.totalThinkTime = 15.0;
        run.rightCount = 1;
        run.wrongCount = 1;
        QCOMPARE(run.averageThinkTime(), 15.0);
        run.rightCount = 0;
        QCOMPARE(run.averageThinkTime(), 15.0);
        run.rightCount = 3;
        QCOMPARE(run.averageThinkTime(), 5.0);
    }
};

QTEST_GUILESS_MAIN(TestRunState)
#include "tst_runstate.moc"
