// Rounding tasks: the rounding rule, the texts a child sees and the correction shows, the
// ranges of every kind, and where the task stands in the task area.

#include "TestSupport.h"
#include "generators/rounding/Rounding.h"
#include "core/TypedNumbers.h"

#include <QtTest>

namespace {

const QChar Approx(0xBB);

QString numberLine(const QString &grouped)
{
    return grouped + QLatin1Char(' ') + Approx + QLatin1Char(' ');
}

} // namespace

class RoundingTest : public QObject
{
    Q_OBJECT
private slots:
    void roundsHalfUpAtEveryPlace_data();
    void roundsHalfUpAtEveryPlace();
    void writesTaskAndSolutionTexts_data();
    void writesTaskAndSolutionTexts();
    void drawsNumbersOnlyFromTheRangeOfItsArgument_data();
    void drawsNumbersOnlyFromTheRangeOfItsArgument();
    void mixedKindUsesAllFourPlacesWithTheWideRange();
    void placeWordIsNotPartOfTheTaskIdentity();
    void answerFieldStandsRightAfterTheSign_data();
    void answerFieldStandsRightAfterTheSign();
};

void RoundingTest::roundsHalfUpAtEveryPlace_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("rounded");
    QTest::newRow("12 345 to tens goes up") << 12345 << 10 << 12350;
    QTest::newRow("12 344 to tens stays") << 12344 << 10 << 12340;
    QTest::newRow("250 to hundreds, exactly half, goes up") << 250 << 100 << 300;
    QTest::newRow("249 to hundreds stays") << 249 << 100 << 200;
    QTest::newRow("3 to tens becomes zero") << 3 << 10 << 0;
    QTest::newRow("4 999 to ten-thousands becomes zero") << 4999 << 10000 << 0;
    QTest::newRow("5 000 to ten-thousands goes up") << 5000 << 10000 << 10000;
    QTest::newRow("999 999 gains a digit") << 999999 << 10000 << 1000000;
    QTest::newRow("1 499 to thousands stays") << 1499 << 1000 << 1000;
    QTest::newRow("1 500 to thousands goes up") << 1500 << 1000 << 2000;
}

void RoundingTest::roundsHalfUpAtEveryPlace()
{
    QFETCH(int, n);
    QFETCH(int, place);
    QFETCH(int, rounded);
    QCOMPARE(RoundHalfUp(n, place), rounded);
}

void RoundingTest::writesTaskAndSolutionTexts_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("taskText");
    QTest::addColumn<QString>("solutionText");
    QTest::addColumn<int>("expected");
    const QChar cr(13);
    QTest::newRow("tens") << 12345 << 1 << numberLine("12 345")
                          << QString("Runde auf Zehner") + cr + "12 345 ≈ 12 350" << 12350;
    QTest::newRow("small number has no blank") << 345 << 2 << numberLine("345")
                          << QString("Runde auf Hunderter") + cr + "345 ≈ 300" << 300;
    QTest::newRow("answer zero") << 3 << 1 << numberLine("3")
                          << QString("Runde auf Zehner") + cr + "3 ≈ 0" << 0;
    QTest::newRow("thousands") << 555555 << 3 << numberLine("555 555")
                          << QString("Runde auf Tausender") + cr + "555 555 ≈ 556 000" << 556000;
    QTest::newRow("one digit more") << 999999 << 4 << numberLine("999 999")
                          << QString("Runde auf Zehntausender") + cr + "999 999 ≈ 1 000 000"
                          << 1000000;
}

void RoundingTest::writesTaskAndSolutionTexts()
{
    QFETCH(int, n);
    QFETCH(int, level);
    QFETCH(QString, taskText);
    QFETCH(QString, solutionText);
    QFETCH(int, expected);
    Random random(1);
    const GenerationContext context = MakeContext(random);
    const GeneratedTask task = RoundingTask(n, level, context);
    QCOMPARE(task.taskText, taskText);
    QCOMPARE(task.solutionText, solutionText);
    QCOMPARE(task.expectedAnswer, expected);
    QCOMPARE(*task.layout.label3.caption, taskText);
    QCOMPARE(*task.layout.label1.caption, solutionText.section(QChar(13), 0, 0));
}

void RoundingTest::drawsNumbersOnlyFromTheRangeOfItsArgument_data()
{
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("largest");
    QTest::addColumn<QString>("placeWord");
    QTest::newRow("tens") << 1 << 9999 << "Zehner";
    QTest::newRow("hundreds") << 2 << 99999 << "Hunderter";
    QTest::newRow("thousands") << 3 << 555555 << "Tausender";
    QTest::newRow("ten-thousands") << 4 << 900000 << "Zehntausender";
}

void RoundingTest::drawsNumbersOnlyFromTheRangeOfItsArgument()
{
    QFETCH(int, argument);
    QFETCH(int, largest);
    QFETCH(QString, placeWord);
    Random random(4711);
    GenerationContext context = MakeContext(random);
    int highest = 0;
    int lowest = largest;
    for (int i = 0; i < 4000; ++i) {
        const GeneratedTask task = Runden(context, argument);
        const QString digits = RemoveChars(task.taskText.chopped(3), QStringLiteral(" "));
        const int n = digits.toInt();
        QVERIFY2(n >= 1 && n <= largest, qPrintable(task.taskText));
        highest = std::max(highest, n);
        lowest = std::min(lowest, n);
        QCOMPARE(*task.layout.label1.caption, "Runde auf " + placeWord);
    }
    // The draws reach close to both ends of the range.
    QVERIFY(highest > largest - largest / 100);
    QVERIFY(lowest < largest / 100 + 1);
}

void RoundingTest::mixedKindUsesAllFourPlacesWithTheWideRange()
{
    Random random(99);
    GenerationContext context = MakeContext(random);
    QSet<QString> instructions;
    bool sixDigitTens = false;
    int highest = 0;
    for (int i = 0; i < 2000; ++i) {
        const GeneratedTask task = Runden(context, 0);
        const int n = RemoveChars(task.taskText.chopped(3), QStringLiteral(" ")).toInt();
        QVERIFY(n >= 1 && n <= 999999);
        highest = std::max(highest, n);
        instructions << *task.layout.label1.caption;
        sixDigitTens |= n >= 100000 && *task.layout.label1.caption == QLatin1String("Runde auf Zehner");
    }
    QCOMPARE(instructions.size(), 4);
    QVERIFY(sixDigitTens);
    QVERIFY(highest > 990000);
}

void RoundingTest::placeWordIsNotPartOfTheTaskIdentity()
{
    Random random(5);
    const GenerationContext context = MakeContext(random);
    const GeneratedTask tens = RoundingTask(734512, 1, context);
    const GeneratedTask thousands = RoundingTask(734512, 3, context);
    QCOMPARE(tens.taskText, thousands.taskText);
    QVERIFY(tens.solutionText != thousands.solutionText);
}

void RoundingTest::answerFieldStandsRightAfterTheSign_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("left");
    QTest::newRow("small layout") << 1.0 << 10;
    QTest::newRow("large layout") << 1.28 << 13;
}

void RoundingTest::answerFieldStandsRightAfterTheSign()
{
    QFETCH(double, scale);
    QFETCH(int, left);
    Random random(3);
    const GenerationContext context = MakeContext(random, 0, 0, scale);
    const GeneratedTask task = RoundingTask(12345, 1, context);
    const TaskLayout &layout = task.layout;
    QCOMPARE(*layout.label1.left, left);
    QCOMPARE(*layout.label3.left, left);
    QCOMPARE(*layout.label1.top, 55);
    QCOMPARE(*layout.label3.top, 90);
    QCOMPARE(*layout.edit1.top, 90);
    QCOMPARE(layout.label1.font->family, QStringLiteral("Comic Sans MS"));
    QCOMPARE(layout.label1.font->pointSize, 14);
    QCOMPARE(layout.label3.font->family, QStringLiteral("Symbol"));
    QCOMPARE(layout.label3.font->pointSize, 16);
    const int numberWidth = FakeTextWidth(task.taskText, *layout.label3.font) + 2;
    QCOMPARE(*layout.label3.width, numberWidth);
    QCOMPARE(*layout.label1.width, FakeTextWidth("Runde auf Zehner", *layout.label1.font) + 2);
    QCOMPARE(*layout.edit1.left, left + numberWidth + 5);
    // "12350": five characters of the window's own font, widened by 1.7 plus 30.
    QCOMPARE(*layout.edit1.width, int(1.7 * FakeTextWidth("12350", FontSpec{})) + 30);
}

QTEST_GUILESS_MAIN(RoundingTest)
#include "tst_rounding.moc"
