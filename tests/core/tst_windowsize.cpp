// The factor "Bildschirm füllen" gives: the exercise window, in the layout the screen's
// height gives it, fits the screen's free area, and a hundredth more would not fit.

#include "run/ExerciseLayout.h"
#include "run/WindowSize.h"

#include <QtTest>

namespace {

bool fits(double factor, QSize available, int screenHeight)
{
    const QSize window = ExerciseLayoutFor(screenHeight).windowSize;
    return window.width() * factor <= available.width() && window.height() * factor <= available.height();
}

} // namespace

class WindowSizeTest : public QObject
{
    Q_OBJECT
private slots:
    void fillScreenIsTheLargestFactorThatFits_data();
    void fillScreenIsTheLargestFactorThatFits();
};

void WindowSizeTest::fillScreenIsTheLargestFactorThatFits_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<double>("factor");
    QTest::newRow("whiteboard 1920 x 1080") << QSize(1920, 1040) << 1080 << 1.50;
    QTest::newRow("4K board") << QSize(3840, 2110) << 2160 << 3.05;
    QTest::newRow("laptop 1366 x 768") << QSize(1366, 728) << 768 << 1.05;
    QTest::newRow("1280 x 1024, as wide as high") << QSize(1280, 984) << 1024 << 1.34;
    QTest::newRow("800 x 600: the small layout") << QSize(800, 560) << 600 << 1.03;
}

void WindowSizeTest::fillScreenIsTheLargestFactorThatFits()
{
    QFETCH(QSize, available);
    QFETCH(int, screenHeight);
    QFETCH(double, factor);
    const double found = FillScreenFactor(available, screenHeight);
    QCOMPARE(found, factor);
    QVERIFY(fits(found, available, screenHeight));
    QVERIFY(!fits(found + 0.01, available, screenHeight));
}

QTEST_APPLESS_MAIN(WindowSizeTest)
#include "tst_windowsize.moc"
