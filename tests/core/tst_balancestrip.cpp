// The balance strip read back pixel by pixel: ticks where the scale has them, boxes of
// the exact colours and extents, and the scale drawn again with every redraw.

#include "run/BalanceStrip.h"
#include "core/Generation.h"

#include <QtTest>

namespace {

struct Strip
{
    ExerciseLayout layout;
    QImage image;

    explicit Strip(int screenHeight) : layout(ExerciseLayoutFor(screenHeight))
    {
        image = QImage(layout.balanceStrip, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    QColor at(int x, int y) const { return image.pixelColor(x, y); }
};

} // namespace

class BalanceStripTest : public QObject
{
    Q_OBJECT
private slots:
    void ticksHaveTheirLengthsAndEndOneAboveTheBase_data();
    void ticksHaveTheirLengthsAndEndOneAboveTheBase();
    void boxesCoverExactlyTheirCellsInPureColours_data();
    void boxesCoverExactlyTheirCellsInPureColours();
    void redrawKeepsBarsOfTheRun();
    void countersStartAtTheSamePlaceForOneAndTwoDigits();
    void counterOverwritesNoBracket_data();
    void counterOverwritesNoBracket();
};

void BalanceStripTest::ticksHaveTheirLengthsAndEndOneAboveTheBase_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("upperTop");    // first black pixel of the upper tick
    QTest::addColumn<int>("lowerTop");
    QTest::addColumn<int>("lowerEnd");    // first silver pixel below the lower tick
    // small layout: pitch 11, lower ticks end at 47
    QTest::newRow("small, short tick 1") << 600 << 177 << 22 << 42 << 47;
    QTest::newRow("small, middle tick 5") << 600 << 221 << 20 << 40 << 47;
    QTest::newRow("small, long tick 50") << 600 << 716 << 17 << 37 << 47;
    // large layout: pitch 15, rnd(42*1.28)=54, rnd(40*1.28)=51, rnd(37*1.28)=47, rnd(47*1.28)=60
    QTest::newRow("large, short tick 1") << 768 << 181 << 22 << 54 << 60;
    QTest::newRow("large, middle tick 45") << 768 << 841 << 20 << 51 << 60;
    QTest::newRow("large, long tick 0") << 768 << 166 << 17 << 47 << 60;
}

void BalanceStripTest::ticksHaveTheirLengthsAndEndOneAboveTheBase()
{
    QFETCH(int, screenHeight);
    QFETCH(int, x);
    QFETCH(int, upperTop);
    QFETCH(int, lowerTop);
    QFETCH(int, lowerEnd);
    Strip strip(screenHeight);
    DrawBalanceScale(strip.image, strip.layout);
    QCOMPARE(strip.at(x, upperTop - 1), Silver);
    QCOMPARE(strip.at(x, upperTop), QColor(Qt::black));
    QCOMPARE(strip.at(x, 26), QColor(Qt::black));
    QCOMPARE(strip.at(x, 27), Silver);
    QCOMPARE(strip.at(x, lowerTop - 1), Silver);
    QCOMPARE(strip.at(x, lowerTop), QColor(Qt::black));
    QCOMPARE(strip.at(x, lowerEnd - 1), QColor(Qt::black));
    QCOMPARE(strip.at(x, lowerEnd), Silver);
    // Nothing between two ticks.
    QCOMPARE(strip.at(x + 1, 25), Silver);
}

void BalanceStripTest::boxesCoverExactlyTheirCellsInPureColours_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("count");
    QTest::addColumn<QRect>("lastRight");   // the box of the last right answer
    QTest::addColumn<int>("wrongTop");
    QTest::newRow("small, 50 boxes end at 721") << 600 << 50 << QRect(714, 18, 7, 9) << 38;
    QTest::newRow("large, 50 boxes end at 923") << 768 << 50 << QRect(914, 18, 9, 12) << 49;
    QTest::newRow("small, one box") << 600 << 1 << QRect(175, 18, 7, 9) << 38;
}

void BalanceStripTest::boxesCoverExactlyTheirCellsInPureColours()
{
    QFETCH(int, screenHeight);
    QFETCH(int, count);
    QFETCH(QRect, lastRight);
    QFETCH(int, wrongTop);
    Strip strip(screenHeight);
    DrawBalanceStrip(strip.image, strip.layout, count, count);
    QVERIFY(lastRight.right() < strip.image.width());
    const QRect lastWrong = lastRight.translated(0, wrongTop - lastRight.top());
    for (const auto &[box, colour] : {std::pair{lastRight, RightBoxColour}, std::pair{lastWrong, WrongBoxColour}}) {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x)
                QCOMPARE(strip.at(x, y), colour);
        }
        QVERIFY(strip.at(box.right() + 1, box.center().y()) != colour);
        QVERIFY(strip.at(box.center().x(), box.bottom() + 1) != colour);
        QVERIFY(strip.at(box.center().x(), box.top() - 1) != colour);
    }
    // No box beyond the count.
    const int next = lastRight.left() + strip.layout.barPitch + 1;
    if (next < strip.image.width())
        QVERIFY(strip.at(next, lastRight.top() + 1) != RightBoxColour);
}

void BalanceStripTest::redrawKeepsBarsOfTheRun()
{
    Strip strip(600);
    DrawBalanceStrip(strip.image, strip.layout, 3, 2);
    DrawBalanceScale(strip.image, strip.layout);
    QCOMPARE(strip.at(175 + 2 * 11, 20), Silver);
    DrawBalanceStrip(strip.image, strip.layout, 3, 2);
    QCOMPARE(strip.at(175 + 2 * 11, 20), RightBoxColour);
    QCOMPARE(strip.at(175 + 1 * 11, 40), WrongBoxColour);
    QCOMPARE(strip.at(175 + 2 * 11, 40), Silver);
}

void BalanceStripTest::countersStartAtTheSamePlaceForOneAndTwoDigits()
{
    // The first inked column of each counter: "7 " and "12 " both start at x = 129.
    auto firstInk = [](const QImage &image, int yFrom, int yTo) {
        for (int x = 126; x < 160; ++x) {
            for (int y = yFrom; y < yTo; ++y) {
                if (image.pixelColor(x, y) != Silver)
                    return x;
            }
        }
        return -1;
    };
    Strip seven(600);
    DrawBalanceStrip(seven.image, seven.layout, 7, 0);
    Strip twelve(600);
    DrawBalanceStrip(twelve.image, twelve.layout, 12, 0);
    const int sevenInk = firstInk(seven.image, 12, 17);
    const int twelveInk = firstInk(twelve.image, 12, 17);
    QVERIFY(sevenInk >= 129 && sevenInk < 134);
    QVERIFY(twelveInk >= 129 && twelveInk < 134);
}

void BalanceStripTest::counterOverwritesNoBracket_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("count");
    for (const int height : {600, 768}) {
        for (int count = 0; count <= 50; ++count)
            QTest::addRow("%d at %d", count, height) << height << count;
    }
}

void BalanceStripTest::counterOverwritesNoBracket()
{
    QFETCH(int, screenHeight);
    QFETCH(int, count);
    Strip empty(screenHeight);
    DrawBalanceScale(empty.image, empty.layout);
    Strip counted(screenHeight);
    DrawBalanceStrip(counted.image, counted.layout, count, count);
    // Between the captions and the scale: "[", the counter and "]", each a run of inked
    // columns of the empty strip.
    const int from = 118;
    const int to = 165;
    for (const int top : {12, ScaledRound(32 * empty.layout.scale)}) {
        auto inked = [&](const Strip &strip, int x) {
            for (int y = top; y < top + 16; ++y) {
                if (strip.at(x, y) != Silver)
                    return true;
            }
            return false;
        };
        int openEnd = from;
        while (openEnd < to && !inked(empty, openEnd))
            ++openEnd;
        while (openEnd < to && inked(empty, openEnd))
            ++openEnd;
        int closeStart = to;
        while (closeStart > openEnd && !inked(empty, closeStart - 1))
            --closeStart;
        while (closeStart > openEnd && inked(empty, closeStart - 1))
            --closeStart;
        QVERIFY(openEnd < closeStart);
        for (int x = from; x < to; ++x) {
            if (x >= openEnd && x < closeStart)
                continue;
            for (int y = top; y < top + 16; ++y)
                QVERIFY2(counted.at(x, y) == empty.at(x, y), qPrintable(QStringLiteral("bracket at %1,%2").arg(x).arg(y)));
        }
        bool digitsInside = false;
        for (int x = openEnd; x < closeStart; ++x)
            digitsInside = digitsInside || inked(counted, x);
        QVERIFY(digitsInside);
    }
}

QTEST_MAIN(BalanceStripTest)
#include "tst_balancestrip.moc"
