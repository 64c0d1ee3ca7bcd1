// Neighbours up to 100: which neighbours each step of the balance asks, that the answer
// is the neighbour the question names and never leaves 1 to 100, the worked solutions at
// the ends of the range, and that no task follows itself in a run.

#include "TestSupport.h"
#include "generators/upto100/NeighbourNumbers.h"
#include "kinds/Kinds.h"
#include "run/RunState.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

using Numbers = QSet<qint32>;

Numbers range(qint32 from, qint32 to, qint32 step = 1)
{
    Numbers numbers;
    for (qint32 n = from; n <= to; n += step)
        numbers.insert(n);
    return numbers;
}

// The answer a question asks for, worked out from its words alone.
std::optional<qint32> answerOfQuestion(const QString &question, bool &asksTen)
{
    static const QRegularExpression asked(
        QStringLiteral("^Welche(?:r Zehner kommt| Zahl kommt direkt) (vor|nach) (\\d+)\\?$"));
    const QRegularExpressionMatch match = asked.match(question);
    if (!match.hasMatch())
        return std::nullopt;
    asksTen = question.contains(QStringLiteral("Zehner"));
    const qint32 n = match.captured(2).toInt();
    const bool after = match.captured(1) == QStringLiteral("nach");
    if (asksTen)
        return after ? (n / 10 + 1) * 10 : n / 10 * 10;
    return after ? n + 1 : n - 1;
}

} // namespace

class TestNeighbourNumbers : public QObject
{
    Q_OBJECT

private slots:
    // Each step asks exactly its own neighbours, tens only at the third; every answer is
    // the one its question asks for, and the question fits the task box above the field.
    void answerIsNotTheNeighbourAsked_data()
    {
        QTest::addColumn<qint32>("balance");
        QTest::addColumn<Numbers>("answers");
        QTest::addColumn<bool>("tensAsked");
        QTest::newRow("first step") << 0 << range(1, 20) << false;
        QTest::newRow("second step") << 8 << range(10, 100) << false;
        QTest::newRow("third step") << 20 << (range(10, 100, 10) + range(19, 99, 10)) << true;
        QTest::newRow("below nought") << -6 << range(1, 20) << false;
    }
    void answerIsNotTheNeighbourAsked()
    {
        QFETCH(qint32, balance);
        QFETCH(Numbers, answers);
        QFETCH(bool, tensAsked);
        const KindInfo &info = *FindKind(508);
        Random random{quint32(balance + 50)};
        Numbers seen;
        bool tenSeen = false;
        for (int i = 0; i < 2000; ++i) {
            GenerationContext context =
                MakeContext(random, std::max(balance, 0), std::max(-balance, 0), i % 2 ? 1.28 : 1.0);
            const GeneratedTask task = info.generator(context, info.level);
            bool asksTen = false;
            QCOMPARE(answerOfQuestion(task.taskText, asksTen), std::optional<qint32>(task.expectedAnswer));
            QCOMPARE(task.layout.label1.caption, task.taskText);
            QVERIFY2(*task.layout.label1.width < context.taskBoxWidth - 20, qPrintable(task.taskText));
            QVERIFY(*task.layout.edit1.top > *task.layout.label1.top);
            tenSeen = tenSeen || asksTen;
            seen.insert(task.expectedAnswer);
        }
        QCOMPARE(seen, answers);
        QCOMPARE(tenSeen, tensAsked);
    }

    // The solution names the neighbour and shows the number between its neighbours, none
    // of them outside 1 to 100; for a ten, the tens the number lies between.
    void solutionShowsAnotherNeighbour_data()
    {
        QTest::addColumn<qint32>("number");
        QTest::addColumn<bool>("tens");
        QTest::addColumn<bool>("after");
        QTest::addColumn<QString>("solution");
        QTest::newRow("before") << 47 << false << false << "46 kommt direkt vor 47.\r46, 47, 48";
        QTest::newRow("after, across a ten") << 39 << false << true << "40 kommt direkt nach 39.\r38, 39, 40";
        QTest::newRow("before 100") << 100 << false << false << "99 kommt direkt vor 100.\r99, 100";
        QTest::newRow("after 1") << 1 << false << true << "2 kommt direkt nach 1.\r1, 2";
        QTest::newRow("ten before") << 47 << true << false << "47 liegt zwischen 40 und 50.\rDer Zehner vor 47 ist 40.";
        QTest::newRow("ten after, 100") << 91 << true << true << "91 liegt zwischen 90 und 100.\rDer Zehner nach 91 ist 100.";
    }
    void solutionShowsAnotherNeighbour()
    {
        QFETCH(qint32, number);
        QFETCH(bool, tens);
        QFETCH(bool, after);
        QFETCH(QString, solution);
        QCOMPARE(NeighbourSolution(NeighbourTask{number, tens, after}), solution);
    }

    void noTaskFollowsItselfInARun_data()
    {
        QTest::addColumn<qint32>("rightCount");
        QTest::newRow("first step") << 0;
        QTest::newRow("third step") << 25;
    }
    void noTaskFollowsItselfInARun()
    {
        QFETCH(qint32, rightCount);
        Random random{quint32(rightCount + 7)};
        PracticeRun run;
        run.currentTask.kind = 508;
        run.reset();
        run.rightCount = rightCount;
        GenerationContext context = MakeContext(random, rightCount);
        QString previous;
        for (int i = 0; i < 300; ++i) {
            const std::optional<GeneratedTask> task = run.poseTask(context);
            QVERIFY(task.has_value());
            QVERIFY(task->noRepeatKey() != previous);
            previous = task->noRepeatKey();
        }
    }
};

QTEST_MAIN(TestNeighbourNumbers)
#include "tst_neighbournumbers.moc"
