// Writing numbers: the number sets by level, the zero-digit rule, the rejection of words
// too wide for the task box, the worked solution and where the task is laid out.

#include "TestSupport.h"
#include "generators/writing/NumberWords.h"
#include "generators/writing/WritingNumbers.h"
#include "run/RunState.h"

#include <QtTest>

class WritingNumbersTest : public QObject
{
    Q_OBJECT

private slots:
    void zeroDigitsCountedInNinePlaces_data();
    void zeroDigitsCountedInNinePlaces();
    void numbersStayInTheirSet_data();
    void numbersStayInTheirSet();
    void taskTextIsTheWordsOfTheAnswer_data();
    void taskTextIsTheWordsOfTheAnswer();
    void solutionLines_data();
    void solutionLines();
    void wordsTooWideAreDrawnAgain();
    void millionsLineIsNeverCut();
    void nothingFitsStillEnds();
    void kindsPoseTheirLevels_data();
    void kindsPoseTheirLevels();
    void layoutByScaleAndSize_data();
    void layoutByScaleAndSize();
};

void WritingNumbersTest::zeroDigitsCountedInNinePlaces_data()
{
    QTest::addColumn<qint32>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<bool>("has");
    QTest::newRow("no zero") << 12345 << 1 << false;
    QTest::newRow("blanks are no zeros") << 5 << 1 << false;
    QTest::newRow("one zero") << 12305 << 1 << true;
    QTest::newRow("one is not two") << 12305 << 2 << false;
    QTest::newRow("three inner zeros") << 10001 << 3 << true;
    QTest::newRow("three is not four") << 10001 << 4 << false;
    QTest::newRow("three zeros") << 12000345 << 3 << true;
    QTest::newRow("eight digits no zero") << 12345678 << 3 << false;
    QTest::newRow("trailing zeros") << 20500 << 3 << true;
    QTest::newRow("zero itself") << 0 << 1 << true;
}

void WritingNumbersTest::zeroDigitsCountedInNinePlaces()
{
    QFETCH(qint32, n);
    QFETCH(int, k);
    QFETCH(bool, has);
    QCOMPARE(HasZeroDigits(n, k), has);
}

void WritingNumbersTest::numbersStayInTheirSet_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<qint32>("smallest");
    QTest::addColumn<qint32>("largest");
    QTest::addColumn<int>("zeros");
    QTest::newRow("to a thousand") << 1 << 11 << 1000 << 0;
    QTest::newRow("to a hundred thousand") << 2 << 10001 << 99999 << 1;
    QTest::newRow("over a million") << 3 << 1000001 << 98999999 << 3;
}

// Over many draws every number lies in its set, and the set is used up to both ends for
// the small range (so neither end is cut off by an off-by-one).
void WritingNumbersTest::numbersStayInTheirSet()
{
    QFETCH(int, level);
    QFETCH(qint32, smallest);
    QFETCH(qint32, largest);
    QFETCH(int, zeros);
    Random random(level * 17 + 3);
    qint32 low = largest;
    qint32 high = smallest;
    for (int i = 0; i < 20000; ++i) {
        const qint32 n = DrawWritingNumber(random, level);
        QVERIFY2(n >= smallest && n <= largest, qPrintable(QString::number(n)));
        QVERIFY2(n > 10, qPrintable(QString::number(n)));
        QVERIFY2(n < 99000000, qPrintable(QString::number(n)));
        QVERIFY2(HasZeroDigits(n, zeros), qPrintable(QString::number(n)));
        low = std::min(low, n);
        high = std::max(high, n);
    }
    if (level == 1) {
        QCOMPARE(low, smallest);
        QCOMPARE(high, largest);
    } else {
        // The draws spread over the set rather than sticking to one corner of it.
        QVERIFY(low < smallest + (largest - smallest) / 20);
        QVERIFY(high > largest - (largest - smallest) / 20);
    }
}

void WritingNumbersTest::taskTextIsTheWordsOfTheAnswer_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("level 1") << 1;
    QTest::newRow("level 2") << 2;
    QTest::newRow("level 3") << 3;
}

void WritingNumbersTest::taskTextIsTheWordsOfTheAnswer()
{
    QFETCH(int, level);
    Random random(99 + level);
    GenerationContext context = MakeContext(random);
    for (int i = 0; i < 200; ++i) {
        const GeneratedTask task = Schreiben(context, level);
        QCOMPARE(task.taskText, NumberToWords(task.expectedAnswer));
        QCOMPARE(task.layout.label1.caption.value(), task.taskText);
        QCOMPARE(task.solutionText, WritingSolutionText(task.expectedAnswer));
    }
}

void WritingNumbersTest::solutionLines_data()
{
    QTest::addColumn<qint32>("n");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("below a million: two lines")
        << 10001 << QStringList{"zehntausendeins", "= 10 001"};
    QTest::newRow("small number has no group blank") << 999
        << QStringList{"neunhundertneunundneunzig", "= 999"};
    QTest::newRow("whole millions: empty middle line")
        << 2000000 << QStringList{"zwei Millionen", "", "= 2 000 000"};
    QTest::newRow("millions and rest: three lines")
        << 12000345 << QStringList{"zwölf Millionen", "dreihundertfünfundvierzig", "= 12 000 345"};
}

void WritingNumbersTest::solutionLines()
{
    QFETCH(qint32, n);
    QFETCH(QStringList, lines);
    QCOMPARE(WritingSolutionText(n).split(CarriageReturn), lines);
}

// With a measure that makes every word of more than 24 characters too wide, no posed
// task has such words, yet shorter ones are still posed.
void WritingNumbersTest::wordsTooWideAreDrawnAgain()
{
    Random random(5);
    GenerationContext context = MakeContext(random);
    const int limit = context.taskBoxWidth - 20;
    context.textWidth = [limit](const QString &text, const FontSpec &) {
        return text.size() > 24 ? limit : 1;
    };
    for (int i = 0; i < 300; ++i) {
        const GeneratedTask task = Schreiben(context, 2);
        QVERIFY2(task.taskText.size() <= 24, qPrintable(task.taskText));
        QVERIFY(task.layout.label1.width.value() < limit);
    }
}

// The words' label is as wide as its widest line, the millions line included, so
// "zweiundvierzig Millionen" is not cut when the rest is short or there is none.
void WritingNumbersTest::millionsLineIsNeverCut()
{
    Random random(8);
    GenerationContext context = MakeContext(random);
    context.textWidth = [](const QString &text, const FontSpec &font) {
        int widest = 0;
        for (const QString &line : text.split(CarriageReturn))
            widest = std::max(widest, FakeTextWidth(line, font));
        return widest;
    };
    for (int i = 0; i < 2000; ++i) {
        const GeneratedTask task = Schreiben(context, 3);
        const LabelSetup &words = task.layout.label1;
        for (const QString &line : task.taskText.split(CarriageReturn))
            QVERIFY2(words.width.value() >= FakeTextWidth(line, *words.font), qPrintable(line));
    }
}

void WritingNumbersTest::nothingFitsStillEnds()
{
    Random random(2);
    GenerationContext context = MakeContext(random);
    context.textWidth = [](const QString &, const FontSpec &) { return 100000; };
    const GeneratedTask task = Schreiben(context, 1);
    QCOMPARE(task.taskText, NumberToWords(task.expectedAnswer));
}

void WritingNumbersTest::kindsPoseTheirLevels_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<bool>("small");   // numbers up to 1 000 appear
    QTest::addColumn<bool>("middle");  // numbers from 10 001 to 99 999
    QTest::addColumn<bool>("large");   // numbers over a million
    QTest::newRow("201") << 201 << true << false << false;
    QTest::newRow("202") << 202 << false << true << false;
    QTest::newRow("203") << 203 << false << false << true;
    QTest::newRow("204 mixes 201 and 202") << 204 << true << true << false;
}

void WritingNumbersTest::kindsPoseTheirLevels()
{
    QFETCH(qint32, kind);
    Random random(kind);
    GenerationContext context = MakeContext(random);
    PracticeRun run;
    run.currentTask.kind = kind;
    run.reset();
    bool seen[3] = {false, false, false};
    for (int i = 0; i < 100; ++i) {
        const qint32 n = run.poseTask(context).value().expectedAnswer;
        const int set = n <= 1000 ? 0 : n <= 99999 ? 1 : 2;
        QVERIFY2(set != 1 || n > 10000, qPrintable(QString::number(n)));
        seen[set] = true;
    }
    QTEST(seen[0], "small");
    QTEST(seen[1], "middle");
    QTEST(seen[2], "large");
}

void WritingNumbersTest::layoutByScaleAndSize_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("fieldTop");
    QTest::newRow("small, below a million") << 1.0 << 2 << 10 << 120;
    QTest::newRow("small, millions") << 1.0 << 3 << 10 << 140;
    QTest::newRow("large, below a million") << 1.28 << 1 << 13 << 154;
    QTest::newRow("large, millions") << 1.28 << 3 << 13 << 179;
}

void WritingNumbersTest::layoutByScaleAndSize()
{
    QFETCH(double, scale);
    QFETCH(int, level);
    QFETCH(int, left);
    QFETCH(int, fieldTop);
    Random random(31);
    GenerationContext context = MakeContext(random, 0, 0, scale);
    const GeneratedTask task = Schreiben(context, level);
    const TaskLayout &layout = task.layout;

    QCOMPARE(layout.label3.caption.value(), QStringLiteral("Schreibe als Zahl:"));
    QCOMPARE(layout.label3.font->family, QStringLiteral("Comic Sans MS"));
    QCOMPARE(layout.label3.font->pointSize, 14);
    // 18 characters of 10 pixels each at 14 points, plus 2.
    QCOMPARE(layout.label3.width.value(), 182);
    QCOMPARE(layout.label3.top.value(), 50);
    QCOMPARE(layout.label1.font->pointSize, 12);
    QCOMPARE(layout.label1.top.value(), 90);
    QCOMPARE(layout.label3.left.value(), left);
    QCOMPARE(layout.label1.left.value(), left);
    QCOMPARE(layout.edit1.left.value(), left);
    QCOMPARE(layout.edit1.top.value(), fieldTop);

    // The window's own font is 6 pixels a digit in the fake measure.
    const int digits = int(QString::number(task.expectedAnswer).size());
    QCOMPARE(layout.edit1.width.value(), int(1.7 * digits * 6) + 50);
}

QTEST_GUILESS_MAIN(WritingNumbersTest)
#include "tst_writingnumbers.moc"
