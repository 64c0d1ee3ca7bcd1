// Roman numerals: the digit table with its subtractive forms, the difficulty and the range
// it opens, the alternation of I and II at the start of a run, and the fit in the task box.

#include "TestSupport.h"
#include "generators/roman/RomanNumerals.h"
#include "core/DigitGroups.h"
#include "run/RunState.h"

#include <QtTest>

namespace {

// An independent reading of a numeral: a letter smaller than the next is subtracted.
int valueOfNumeral(const QString &numeral)
{
    const auto letter = [](QChar c) {
        switch (c.unicode()) {
        case 'I': return 1;
        case 'V': return 5;
        case 'X': return 10;
        case 'L': return 50;
        case 'C': return 100;
        case 'D': return 500;
        case 'M': return 1000;
        default: return -100000;
        }
    };
    int value = 0;
    for (qsizetype i = 0; i < numeral.size(); ++i) {
        const int here = letter(numeral[i]);
        const int next = i + 1 < numeral.size() ? letter(numeral[i + 1]) : 0;
        value += here < next ? -here : here;
    }
    return value;
}

} // namespace

class RomanNumeralsTest : public QObject
{
    Q_OBJECT

private slots:
    void numeralOfValue_data();
    void numeralOfValue();
    void everyValueReadsBackWithoutFourEqualLetters();
    void valuesOutsideTheRangeHaveNoNumeral_data();
    void valuesOutsideTheRangeHaveNoNumeral();
    void difficultyAndRange_data();
    void difficultyAndRange();
    void generatedValuesFillTheirRange_data();
    void generatedValuesFillTheirRange();
    void startOfRunAlternatesOneAndTwo();
    void numeralAndFieldFitTheTaskBox();
    void layoutPutsTheFieldAfterTheNumeral_data();
    void layoutPutsTheFieldAfterTheNumeral();
};

void RomanNumeralsTest::numeralOfValue_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QString>("numeral");
    QTest::newRow("1") << 1 << "I";
    QTest::newRow("2") << 2 << "II";
    QTest::newRow("3") << 3 << "III";
    QTest::newRow("4 subtractive") << 4 << "IV";
    QTest::newRow("5") << 5 << "V";
    QTest::newRow("8") << 8 << "VIII";
    QTest::newRow("9 subtractive") << 9 << "IX";
    QTest::newRow("14") << 14 << "XIV";
    QTest::newRow("40 subtractive") << 40 << "XL";
    QTest::newRow("49") << 49 << "XLIX";
    QTest::newRow("90 subtractive") << 90 << "XC";
    QTest::newRow("400 subtractive") << 400 << "CD";
    QTest::newRow("900 subtractive") << 900 << "CM";
    QTest::newRow("999") << 999 << "CMXCIX";
    QTest::newRow("1000") << 1000 << "M";
    QTest::newRow("1994") << 1994 << "MCMXCIV";
    QTest::newRow("2024") << 2024 << "MMXXIV";
    QTest::newRow("3888 longest") << 3888 << "MMMDCCCLXXXVIII";
    QTest::newRow("3999 largest") << 3999 << "MMMCMXCIX";
}

void RomanNumeralsTest::numeralOfValue()
{
    QFETCH(qint32, value);
    QFETCH(QString, numeral);
    QCOMPARE(RomanNumeral(value), numeral);
}

void RomanNumeralsTest::everyValueReadsBackWithoutFourEqualLetters()
{
    for (qint32 v = 1; v <= 3999; ++v) {
        const QString numeral = RomanNumeral(v);
        QCOMPARE(valueOfNumeral(numeral), v);
        for (const char *four : {"IIII", "XXXX", "CCCC", "MMMM", "VV", "LL", "DD"})
            QVERIFY2(!numeral.contains(QLatin1String(four)), qPrintable(numeral));
    }
}

void RomanNumeralsTest::valuesOutsideTheRangeHaveNoNumeral_data()
{
    QTest::addColumn<qint32>("value");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -7;
    QTest::newRow("4000") << 4000;
    QTest::newRow("largest") << std::numeric_limits<qint32>::max();
}

void RomanNumeralsTest::valuesOutsideTheRangeHaveNoNumeral()
{
    QFETCH(qint32, value);
    QVERIFY(RomanNumeral(value).isEmpty());
}

void RomanNumeralsTest::difficultyAndRange_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<qint32>("wrong");
    QTest::addColumn<qint32>("difficulty");
    QTest::addColumn<qint32>("limit");
    QTest::newRow("start of run") << 0 << 0 << 1 << 2;
    QTest::newRow("as many wrong as right") << 6 << 6 << 1 << 2;
    QTest::newRow("more wrong than right") << 2 << 9 << 1 << 2;
    QTest::newRow("one ahead") << 1 << 0 << 2 << 8;
    QTest::newRow("4 right 1 wrong") << 4 << 1 << 4 << 32;
    QTest::newRow("m 5") << 4 << 0 << 5 << 50;
    QTest::newRow("m 10") << 12 << 3 << 10 << 200;
    QTest::newRow("m 20") << 19 << 0 << 20 << 800;
    QTest::newRow("m 44 just below the cap") << 43 << 0 << 44 << 3872;
    QTest::newRow("m 45 capped") << 44 << 0 << 45 << 3999;
    QTest::newRow("m 50 capped") << 49 << 0 << 50 << 3999;
}

void RomanNumeralsTest::difficultyAndRange()
{
    QFETCH(qint32, right);
    QFETCH(qint32, wrong);
    QFETCH(qint32, difficulty);
    QFETCH(qint32, limit);
    QCOMPARE(RomanDifficulty(right, wrong), difficulty);
    QCOMPARE(RomanValueLimit(difficulty), limit);
}

void RomanNumeralsTest::generatedValuesFillTheirRange_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<qint32>("wrong");
    QTest::addColumn<qint32>("largest");
    QTest::newRow("m 1") << 0 << 3 << 2;
    QTest::newRow("m 4") << 4 << 1 << 32;
    QTest::newRow("m 10") << 9 << 0 << 200;
    QTest::newRow("m 50") << 49 << 0 << 3999;
}

// Values stay within 1..limit, reach both ends, and the task texts carry numeral and value.
void RomanNumeralsTest::generatedValuesFillTheirRange()
{
    QFETCH(qint32, right);
    QFETCH(qint32, wrong);
    QFETCH(qint32, largest);
    Random random(right * 31 + wrong);
    GenerationContext context = MakeContext(random, right, wrong);
    qint32 low = largest;
    qint32 high = 1;
    for (int i = 0; i < 40000; ++i) {
        const GeneratedTask task = Roemisch(context, 0);
        const qint32 v = task.expectedAnswer;
        QVERIFY2(v >= 1 && v <= largest, qPrintable(QString::number(v)));
        QCOMPARE(task.taskText, RomanNumeral(v) + QStringLiteral(" = "));
        QCOMPARE(task.solutionText, task.taskText + FormatGrouped(v));
        low = std::min(low, v);
        high = std::max(high, v);
    }
    QCOMPARE(low, 1);
    QCOMPARE(high, largest);
}

// With no lead the only values are 1 and 2, and no task may repeat the one before.
void RomanNumeralsTest::startOfRunAlternatesOneAndTwo()
{
    Random random(77);
    GenerationContext context = MakeContext(random);
    PracticeRun run;
    run.currentTask.kind = 401;
    run.reset();
    QString previous;
    for (int i = 0; i < 30; ++i) {
        const std::optional<GeneratedTask> task = run.poseTask(context);
        QVERIFY(task.has_value());
        QVERIFY(task->taskText == QStringLiteral("I = ") || task->taskText == QStringLiteral("II = "));
        QVERIFY(task->taskText != previous);
        previous = task->taskText;
    }
}

// A measure that makes numerals of more than five letters too wide: none is posed.
void RomanNumeralsTest::numeralAndFieldFitTheTaskBox()
{
    Random random(3);
    GenerationContext context = MakeContext(random, 49, 0);
    const int box = context.taskBoxWidth;
    context.textWidth = [box](const QString &text, const FontSpec &font) {
        if (font.pointSize == 16)
            return text.size() > 8 ? box : 10 * int(text.size());
        return 6 * int(text.size());
    };
    for (int i = 0; i < 500; ++i) {
        const GeneratedTask task = Roemisch(context, 0);
        QVERIFY2(task.taskText.size() <= 8, qPrintable(task.taskText));
        const TaskLayout &layout = task.layout;
        QVERIFY(layout.label3.width.value() + layout.edit1.width.value() < box - 17);
    }
}

void RomanNumeralsTest::layoutPutsTheFieldAfterTheNumeral_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("left");
    QTest::newRow("small") << 1.0 << 10;
    QTest::newRow("large") << 1.28 << 13;
}

void RomanNumeralsTest::layoutPutsTheFieldAfterTheNumeral()
{
    QFETCH(double, scale);
    QFETCH(int, left);
    Random random(12);
    GenerationContext context = MakeContext(random, 20, 0, scale);
    for (int i = 0; i < 50; ++i) {
        const GeneratedTask task = Roemisch(context, 0);
        const TaskLayout &layout = task.layout;
        QCOMPARE(layout.label1.caption.value(), QStringLiteral("Übertrage in unsere Schreibweise:"));
        QCOMPARE(layout.label1.font->pointSize, 14);
        QCOMPARE(layout.label1.top.value(), 55);
        QCOMPARE(layout.label1.left.value(), left);
        QCOMPARE(layout.label3.caption.value(), task.taskText);
        QCOMPARE(layout.label3.font->family, QStringLiteral("Comic Sans MS"));
        QCOMPARE(layout.label3.font->pointSize, 16);
        QCOMPARE(layout.label3.left.value(), left);
        QCOMPARE(layout.label3.top.value(), 90);
        // 16 points: 11 pixels a character in the fake measure, plus 2.
        const int numeralWidth = 11 * int(task.taskText.size()) + 2;
        QCOMPARE(layout.label3.width.value(), numeralWidth);
        QCOMPARE(layout.edit1.top.value(), 90);
        QCOMPARE(layout.edit1.left.value(), left + numeralWidth + 5);
        const int digits = int(QString::number(task.expectedAnswer).size());
        QCOMPARE(layout.edit1.width.value(), int(1.7 * 6 * digits) + 30);
    }
}

QTEST_GUILESS_MAIN(RomanNumeralsTest)
#include "tst_romannumerals.moc"
