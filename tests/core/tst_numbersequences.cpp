// Number sequences: what the balance decides, the ranges of start and step, positivity,
// the tenfold sequences, the gap position and the answer field over the covered term.

#include "TestSupport.h"
#include "generators/sequences/NumberSequences.h"
#include "run/RunState.h"

#include <QtTest>

#include <set>

namespace {

// The five terms of a task text, read back from the text itself.
QList<qint32> termsOf(const QString &taskText)
{
    QList<qint32> terms;
    for (const QString &part : taskText.split(QStringLiteral("    ")))
        terms.append(part.toInt());
    return terms;
}

// The text in front of term `index` (0-based), written out independently of the program.
QString textBefore(const QList<qint32> &terms, int index)
{
    QString text;
    for (int i = 0; i < index; ++i)
        text += QString::number(terms[i]) + QStringLiteral("    ");
    return text;
}

} // namespace

class NumberSequencesTest : public QObject
{
    Q_OBJECT

private slots:
    void rulesByBalance_data();
    void rulesByBalance();
    void startOfRunDrawsThePartsExamples();
    void startAndStepRanges_data();
    void startAndStepRanges();
    void allTermsPositive_data();
    void allTermsPositive();
    void tenfoldOnlyAboveTen_data();
    void tenfoldOnlyAboveTen();
    void redrawDiffersInStartAndStep();
    void gapPosition_data();
    void gapPosition();
    void answerFieldLiesOverTheCoveredTerm_data();
    void answerFieldLiesOverTheCoveredTerm();
    void sequenceFitsTheTaskBox();
};

void NumberSequencesTest::rulesByBalance_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<qint32>("wrong");
    QTest::addColumn<qint32>("difficulty");
    QTest::addColumn<qint32>("stepLimit");
    QTest::addColumn<bool>("tenfold");
    QTest::addColumn<bool>("gapAnywhere");
    QTest::addColumn<int>("fontSize");
    QTest::newRow("start of run") << 0 << 0 << 3 << 6 << false << false << 16;
    QTest::newRow("behind") << 3 << 5 << 3 << 6 << false << false << 16;
    QTest::newRow("even") << 4 << 4 << 3 << 6 << false << false << 16;
    QTest::newRow("s 1") << 1 << 0 << 3 << 6 << false << false << 16;
    QTest::newRow("s 5: 8.4 rounds to 8") << 5 << 0 << 7 << 8 << false << false << 16;
    QTest::newRow("s 6") << 8 << 2 << 8 << 10 << false << false << 16;
    QTest::newRow("s 7: gap anywhere") << 7 << 0 << 9 << 11 << false << true << 16;
    QTest::newRow("s 10: still no tenfold") << 10 << 0 << 12 << 14 << false << true << 16;
    QTest::newRow("s 11: tenfold, smaller font") << 12 << 1 << 13 << 16 << true << true << 14;
    QTest::newRow("s 49") << 49 << 0 << 51 << 61 << true << true << 14;
}

void NumberSequencesTest::rulesByBalance()
{
    QFETCH(qint32, right);
    QFETCH(qint32, wrong);
    const SequenceRules rules = SequenceRulesFor(right, wrong);
    QTEST(rules.difficulty, "difficulty");
    QTEST(rules.stepLimit, "stepLimit");
    QTEST(rules.tenfoldPossible, "tenfold");
    QTEST(rules.gapAnywhere, "gapAnywhere");
    QTEST(rules.fontSize, "fontSize");
}

// At s = 0 every rising pair of start 1..9 and step 1..6 appears, and the only falling
// sequences are those with step −1 from 6 to 9.
void NumberSequencesTest::startOfRunDrawsThePartsExamples()
{
    Random random(4);
    const SequenceRules rules = SequenceRulesFor(0, 0);
    std::set<std::pair<qint32, qint32>> seen;
    for (int i = 0; i < 20000; ++i) {
        const SequenceStart s = DrawSequence(random, rules, std::nullopt);
        seen.insert({s.start, s.step});
    }
    std::set<std::pair<qint32, qint32>> expected;
    for (qint32 a = 1; a <= 9; ++a) {
        for (qint32 d = 1; d <= 6; ++d)
            expected.insert({a, d});
    }
    for (qint32 a = 6; a <= 9; ++a)
        expected.insert({a, -1});
    QCOMPARE(seen, expected);
}

void NumberSequencesTest::startAndStepRanges_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<qint32>("largestStart");
    QTest::addColumn<qint32>("largestStep");
    QTest::newRow("s 5") << 5 << 49 << 8;
    QTest::newRow("s 10") << 10 << 144 << 14;
}

void NumberSequencesTest::startAndStepRanges()
{
    QFETCH(qint32, right);
    QFETCH(qint32, largestStart);
    QFETCH(qint32, largestStep);
    Random random(right);
    const SequenceRules rules = SequenceRulesFor(right, 0);
    qint32 highStart = 0;
    qint32 highStep = 0;
    qint32 lowStart = largestStart;
    for (int i = 0; i < 30000; ++i) {
        const SequenceStart s = DrawSequence(random, rules, std::nullopt);
        QVERIFY(s.start >= 1 && s.start <= largestStart);
        QVERIFY(s.step != 0 && std::abs(s.step) <= largestStep);
        highStart = std::max(highStart, s.start);
        lowStart = std::min(lowStart, s.start);
        highStep = std::max(highStep, std::abs(s.step));
    }
    QCOMPARE(lowStart, 1);
    QCOMPARE(highStart, largestStart);
    QCOMPARE(highStep, largestStep);
}

void NumberSequencesTest::allTermsPositive_data()
{
    QTest::addColumn<qint32>("right");
    QTest::newRow("s 0") << 0;
    QTest::newRow("s 8") << 8;
    QTest::newRow("s 30") << 30;
}

// Also one term beyond the five: the last shown term is larger than the step's size.
void NumberSequencesTest::allTermsPositive()
{
    QFETCH(qint32, right);
    Random random(right + 100);
    const SequenceRules rules = SequenceRulesFor(right, 0);
    int falling = 0;
    for (int i = 0; i < 5000; ++i) {
        const SequenceStart s = DrawSequence(random, rules, std::nullopt);
        QVERIFY(s.start + 5 * s.step > 0);
        for (int k = 0; k < SequenceLength; ++k)
            QVERIFY(SequenceTerm(s, k) > 0);
        falling += s.step < 0;
    }
    QVERIFY(falling > 0);
}

void NumberSequencesTest::tenfoldOnlyAboveTen_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<bool>("tenfold");
    QTest::newRow("s 10") << 10 << false;
    QTest::newRow("s 11") << 11 << true;
    QTest::newRow("s 40") << 40 << true;
}

// A step beyond the limit can only come from the tenfold rule, which multiplies start and
// step alike; about one draw in five before the positivity test.
void NumberSequencesTest::tenfoldOnlyAboveTen()
{
    QFETCH(qint32, right);
    QFETCH(bool, tenfold);
    Random random(right * 7);
    const SequenceRules rules = SequenceRulesFor(right, 0);
    int beyond = 0;
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        const SequenceStart s = DrawSequence(random, rules, std::nullopt);
        if (std::abs(s.step) > rules.stepLimit) {
            ++beyond;
            QVERIFY(s.start % 10 == 0 && s.step % 10 == 0);
        }
    }
    if (tenfold)
        QVERIFY2(beyond > draws / 20 && beyond < draws / 3, qPrintable(QString::number(beyond)));
    else
        QCOMPARE(beyond, 0);
}

void NumberSequencesTest::redrawDiffersInStartAndStep()
{
    Random random(21);
    const SequenceRules rules = SequenceRulesFor(0, 0);
    const SequenceStart previous{5, 2};
    for (int i = 0; i < 2000; ++i) {
        const SequenceStart s = DrawSequence(random, rules, previous);
        QVERIFY(s.start != previous.start);
        QVERIFY(s.step != previous.step);
    }
}

void NumberSequencesTest::gapPosition_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("s 0: fourth") << 0 << QList<int>{4};
    QTest::newRow("s 6: fourth") << 6 << QList<int>{4};
    QTest::newRow("s 7: any") << 7 << QList<int>{1, 2, 3, 4, 5};
}

void NumberSequencesTest::gapPosition()
{
    QFETCH(qint32, right);
    QFETCH(QList<int>, positions);
    Random random(9);
    const SequenceRules rules = SequenceRulesFor(right, 0);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i)
        seen.insert(DrawGapPosition(random, rules));
    QCOMPARE(QList<int>(seen.begin(), seen.end()), positions);
}

void NumberSequencesTest::answerFieldLiesOverTheCoveredTerm_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<double>("scale");
    QTest::newRow("s 0, small") << 0 << 1.0;
    QTest::newRow("s 9, small") << 9 << 1.0;
    QTest::newRow("s 9, large") << 9 << 1.28;
    QTest::newRow("s 20, large") << 20 << 1.28;
}

// The field starts 3 pixels before the covered term (5 before the first one), and that
// term is the expected answer; the text is a five-term arithmetic sequence.
void NumberSequencesTest::answerFieldLiesOverTheCoveredTerm()
{
    QFETCH(qint32, right);
    QFETCH(double, scale);
    Random random(right + 1);
    GenerationContext context = MakeContext(random, right, 0, scale);
    const int left = qRound(10 * scale);
    PracticeRun run;   // posed as a run of its kind would pose them
    run.currentTask.kind = 402;
    run.reset();
    std::set<int> gaps;
    for (int i = 0; i < 300; ++i) {
        const GeneratedTask task = run.poseTask(context).value();
        const TaskLayout &layout = task.layout;
        const QList<qint32> terms = termsOf(task.taskText);
        QCOMPARE(terms.size(), 5);
        for (int k = 1; k < 5; ++k)
            QCOMPARE(terms[k] - terms[k - 1], terms[1] - terms[0]);
        QCOMPARE(task.solutionText, task.taskText);

        const FontSpec font = layout.label3.font.value();
        int gap = -1;
        for (int k = 0; k < 5; ++k) {
            const int before = k == 0 ? -5 : FakeTextWidth(textBefore(terms, k), font) - 3;
            if (layout.edit1.left.value() == left + before)
                gap = k;
        }
        QVERIFY2(gap >= 0, qPrintable(task.taskText));
        QCOMPARE(task.expectedAnswer, terms[gap]);
        if (right < 7)
            QCOMPARE(gap, 3);
        gaps.insert(gap);

        QCOMPARE(layout.label3.left.value(), left);
        QCOMPARE(layout.label3.top.value(), 110);
        QCOMPARE(layout.edit1.top.value(), 110);
        QCOMPARE(layout.label1.top.value(), 55);
        QCOMPARE(layout.label1.caption.value(), QStringLiteral("Ergänze die fehlende Zahl"));
        QCOMPARE(font.pointSize, right >= 11 ? 14 : 16);
        const int digits = int(QString::number(task.expectedAnswer).size());
        QCOMPARE(layout.edit1.width.value(), int(1.5 * 6 * digits) + 20);
    }
    QCOMPARE(int(gaps.size()), right >= 7 ? 5 : 1);
}

// A measure that makes sequences of more than 28 characters too wide: none is posed.
void NumberSequencesTest::sequenceFitsTheTaskBox()
{
    Random random(6);
    GenerationContext context = MakeContext(random, 20, 0);
    const int box = context.taskBoxWidth;
    context.textWidth = [box](const QString &text, const FontSpec &) {
        return text.size() > 28 ? box : 4 * int(text.size());
    };
    for (int i = 0; i < 300; ++i) {
        const GeneratedTask task = Folgen(context, 0);
        QVERIFY2(task.taskText.size() <= 28, qPrintable(task.taskText));
        QVERIFY(task.layout.label3.width.value() < box - 10);
    }
}

QTEST_GUILESS_MAIN(NumberSequencesTest)
#include "tst_numbersequences.moc"
