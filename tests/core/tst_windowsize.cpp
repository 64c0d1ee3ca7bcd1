// The factor "Bildschirm füllen" gives: the exercise window, in the layout it takes at
// that factor, fits the screen's free area, and a hundredth more would not fit.

#include "run/ExerciseLayout.h"
#include "shell/WindowSize.h"

#include <QtTest>

namespace {

bool fits(double factor, QSize available, int screenHeight)
{
    const QSize window = ExerciseLayoutFor(int(screenHeight / factor)).windowSize;
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
    QTest::newRow("whiteboard 1920 x 1080") << QSize(1920, 1040) << 1080 << 1.92;
    QTest::newRow("4K board") << QSize(3840, 2110) << 2160 << 3.90;
    QTest::newRow("laptop 1366 x 768") << QSize(1366, 728) << 768 << 1.34;
    QTest::newRow("small layout's factor would bring the large layout") << QSize(1280, 984) << 1024 << 1.34;
    QTest::newRow("800 x 600") << QSize(800, 560) << 600 << 1.03;
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
