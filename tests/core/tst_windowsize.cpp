// The factor "Bildschirm füllen" gives: the exercise window, in the layout the screen's
// height gives it, fits the screen's free area, and a hundredth more would not fit. Sizes
// that do not fit are refused, a stored one falls back, and windows stay on the free area.

#include "core/UserSettings.h"
#include "run/ExerciseLayout.h"
#include "run/WindowSize.h"

#include <QStandardPaths>
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
    void sizeThatSpillsOffTheScreenIsRefused_data();
    void sizeThatSpillsOffTheScreenIsRefused();
    void startSizeFitsTheScreen_data();
    void startSizeFitsTheScreen();
    void newSizeShowsAtOnceUnlessARunWouldBeLost_data();
    void newSizeShowsAtOnceUnlessARunWouldBeLost();
    void firstStartOnALargeScreenBeginsAgainFilledOnlyOnce_data();
    void firstStartOnALargeScreenBeginsAgainFilledOnlyOnce();
    void padButtonTakesAFingerAndCoversNothing_data();
    void padButtonTakesAFingerAndCoversNothing();
    void windowStandsWhollyOnTheFreeArea_data();
    void windowStandsWhollyOnTheFreeArea();
    void filledWindowReachesPastTheScreenWithItsFrame_data();
    void filledWindowReachesPastTheScreenWithItsFrame();
    void oneChildsSizeGivenToAnotherOrTheAccount_data();
    void oneChildsSizeGivenToAnotherOrTheAccount();
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

void WindowSizeTest::sizeThatSpillsOffTheScreenIsRefused_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("Groß on 1366 x 768") << 1.5 << QSize(1366, 728) << 768
                                        << "Zu groß für diesen Bildschirm: Das Aufgabenfenster braucht 1428 × 1035 "
                                           "Bildpunkte, frei sind 1366 × 728.";
    QTest::newRow("Sehr groß on 1920 x 1080") << 2.0 << QSize(1920, 1040) << 1080
                                              << "Zu groß für diesen Bildschirm: Das Aufgabenfenster braucht 1904 × "
                                                 "1380 Bildpunkte, frei sind 1920 × 1040.";
    QTest::newRow("Groß on 1920 x 1080 fits to the pixel") << 1.5 << QSize(1920, 1040) << 1080 << QString();
    QTest::newRow("Groß one pixel too low") << 1.5 << QSize(1920, 1034) << 1080
                                            << "Zu groß für diesen Bildschirm: Das Aufgabenfenster braucht 1428 × "
                                               "1035 Bildpunkte, frei sind 1920 × 1034.";
    QTest::newRow("Normal on 800 x 600") << 1.0 << QSize(800, 560) << 600 << QString();
}

void WindowSizeTest::sizeThatSpillsOffTheScreenIsRefused()
{
    QFETCH(double, factor);
    QFETCH(QSize, available);
    QFETCH(int, screenHeight);
    QFETCH(QString, refusal);
    QCOMPARE(SizeRefusal(factor, available, screenHeight), refusal);
    QCOMPARE(SizeFits(factor, available, screenHeight), refusal.isEmpty());
}

void WindowSizeTest::startSizeFitsTheScreen_data()
{
    QTest::addColumn<int>("choice");   // -1: none made yet
    QTest::addColumn<double>("fillFactor");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<double>("factor");
    const int none = -1;
    QTest::newRow("first start, whiteboard: filled") << none << 1.0 << QSize(1920, 1040) << 1080 << 1.50;
    QTest::newRow("first start, 1280 x 1024: filled") << none << 1.0 << QSize(1280, 984) << 1024 << 1.34;
    QTest::newRow("first start, laptop: Normal") << none << 1.0 << QSize(1366, 728) << 768 << 1.0;
    QTest::newRow("first start, just short of 1.25 times") << none << 1.0 << QSize(1189, 900) << 1024 << 1.0;
    QTest::newRow("Groß kept where it fits") << int(SizeChoice::Large) << 1.0 << QSize(1920, 1040) << 1080 << 1.5;
    QTest::newRow("Sehr groß falls back to Groß") << int(SizeChoice::VeryLarge) << 1.0 << QSize(1920, 1040) << 1080
                                                  << 1.5;
    QTest::newRow("Groß falls back to Normal") << int(SizeChoice::Large) << 1.0 << QSize(1366, 728) << 768 << 1.0;
    QTest::newRow("Normal stays Normal on a 4K board") << int(SizeChoice::Normal) << 1.0 << QSize(3840, 2110)
                                                       << 2160 << 1.0;
    QTest::newRow("filling, measured on a 4K board, fills the laptop")
        << int(SizeChoice::FillScreen) << 3.05 << QSize(1366, 728) << 768 << 1.05;
}

void WindowSizeTest::startSizeFitsTheScreen()
{
    QFETCH(int, choice);
    QFETCH(double, fillFactor);
    QFETCH(QSize, available);
    QFETCH(int, screenHeight);
    QFETCH(double, factor);
    StoredSize stored;
    if (choice >= 0)
        stored.choice = SizeChoice(choice);
    stored.fillFactor = fillFactor;
    const double found = StartFactor(stored, available, screenHeight);
    QCOMPARE(found, factor);
    QVERIFY(SizeFits(found, available, screenHeight));
}

void WindowSizeTest::newSizeShowsAtOnceUnlessARunWouldBeLost_data()
{
    QTest::addColumn<double>("running");
    QTest::addColumn<double>("next");
    QTest::addColumn<bool>("mayStartAgain");
    QTest::addColumn<int>("change");
    QTest::newRow("Groß chosen, title window alone") << 1.0 << 1.5 << true << int(SizeChange::StartAgain);
    QTest::newRow("back to Normal") << 1.5 << 1.0 << true << int(SizeChange::StartAgain);
    QTest::newRow("a run open") << 1.0 << 1.5 << false << int(SizeChange::NoticeForNextStart);
    QTest::newRow("the size this start has") << 1.5 << 1.5 << true << int(SizeChange::Nothing);
    QTest::newRow("filling measured to the same hundredth") << 1.05 << 1.0500001 << true << int(SizeChange::Nothing);
}

void WindowSizeTest::newSizeShowsAtOnceUnlessARunWouldBeLost()
{
    QFETCH(double, running);
    QFETCH(double, next);
    QFETCH(bool, mayStartAgain);
    QFETCH(int, change);
    QCOMPARE(int(AfterSizeChosen(running, next, mayStartAgain)), change);
}

void WindowSizeTest::firstStartOnALargeScreenBeginsAgainFilledOnlyOnce_data()
{
    QTest::addColumn<int>("choice");   // -1: none made yet
    QTest::addColumn<QSize>("available");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<double>("running");
    QTest::addColumn<bool>("mayStartAgain");
    QTest::addColumn<bool>("beginsAgain");
    const int none = -1;
    QTest::newRow("first start, whiteboard") << none << QSize(1920, 1040) << 1080 << 1.0 << true << true;
    QTest::newRow("first start, laptop") << none << QSize(1366, 728) << 768 << 1.0 << true << false;
    QTest::newRow("itself begun again") << none << QSize(1920, 1040) << 1080 << 1.0 << false << false;
    QTest::newRow("already filled from a remembered screen") << none << QSize(1920, 1040) << 1080 << 1.5 << true
                                                             << false;
    QTest::newRow("Normal chosen on a whiteboard") << int(SizeChoice::Normal) << QSize(1920, 1040) << 1080 << 1.0
                                                   << true << false;
}

void WindowSizeTest::firstStartOnALargeScreenBeginsAgainFilledOnlyOnce()
{
    QFETCH(int, choice);
    QFETCH(QSize, available);
    QFETCH(int, screenHeight);
    QFETCH(double, running);
    QFETCH(bool, mayStartAgain);
    QFETCH(bool, beginsAgain);
    StoredSize stored;
    if (choice >= 0)
        stored.choice = SizeChoice(choice);
    QCOMPARE(StartsAgainToFill(stored, available, screenHeight, running, mayStartAgain), beginsAgain);
}

void WindowSizeTest::padButtonTakesAFingerAndCoversNothing_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("buttonsRaisedBy");   // a task may move "&Ende" and "&Okay"
    QTest::newRow("small layout") << 600 << 0;
    QTest::newRow("large layout") << 768 << 0;
    QTest::newRow("small, buttons raised for the dots") << 600 << 5;
    QTest::newRow("large, buttons lowered for the dots") << 768 << -6;
}

void WindowSizeTest::padButtonTakesAFingerAndCoversNothing()
{
    QFETCH(int, screenHeight);
    QFETCH(int, buttonsRaisedBy);
    const ExerciseLayout layout = ExerciseLayoutFor(screenHeight);
    const int buttonsTop = layout.buttonsTop - buttonsRaisedBy;
    const QRect place = PadButtonPlace(layout, buttonsTop);
    QVERIFY(place.width() >= 40 && place.height() >= 40);
    const QRect inside(QPoint(0, 0), layout.taskBox.size() - QSize(2, 2));
    QVERIFY(inside.contains(place));
    QVERIFY(place.top() > layout.drawing.bottom());
    QVERIFY(!place.intersects(QRect(layout.endButtonLeft, buttonsTop, ButtonWidth, ButtonHeight)));
    QVERIFY(!place.intersects(QRect(layout.okButtonLeft, buttonsTop, ButtonWidth, ButtonHeight)));
}

void WindowSizeTest::windowStandsWhollyOnTheFreeArea_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("placed");
    // A panel of 40 pixels at the top of a 1366 x 768 screen.
    const QRect laptop(0, 40, 1366, 728);
    QTest::newRow("centred on the screen: below the panel") << laptop << QPoint(207, 39) << QSize(952, 690) << QPoint(207, 40);
    QTest::newRow("off the top and left") << laptop << QPoint(-32, -134) << QSize(952, 690) << QPoint(0, 40);
    QTest::newRow("off the bottom right") << laptop << QPoint(1100, 500) << QSize(400, 300) << QPoint(966, 468);
    QTest::newRow("larger than the area: top left") << laptop << QPoint(8, -150) << QSize(1904, 1380)
                                                     << QPoint(0, 40);
}

void WindowSizeTest::windowStandsWhollyOnTheFreeArea()
{
    QFETCH(QRect, area);
    QFETCH(QPoint, wanted);
    QFETCH(QSize, window);
    QFETCH(QPoint, placed);
    QCOMPARE(PlaceInside(area, wanted, window), placed);
}

void WindowSizeTest::filledWindowReachesPastTheScreenWithItsFrame_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<std::optional<QSize>>("measured");
    QTest::newRow("a title bar, measured") << QSize(1366, 768) << 768 << std::optional<QSize>(QSize(2, 24));
    QTest::newRow("nothing measured yet") << QSize(1920, 1080) << 1080 << std::optional<QSize>();
    QTest::newRow("no frame at all, as on a kiosk") << QSize(1920, 1080) << 1080 << std::optional<QSize>(QSize(0, 0));
}

void WindowSizeTest::filledWindowReachesPastTheScreenWithItsFrame()
{
    QFETCH(QSize, available);
    QFETCH(int, screenHeight);
    QFETCH(std::optional<QSize>, measured);
    QStandardPaths::setTestModeEnabled(true);
    AccountSettings().clear();
    const QSize frame = WindowFrame(measured);
    QCOMPARE(WindowFrame(), frame);
    if (measured)
        QCOMPARE(frame, *measured);
    else
        QVERIFY2(frame.height() >= 20, "a window's title bar is left out");
    const double factor = FillScreenFactor(InsideFrame(available, frame), screenHeight);
    const QSize window = ExerciseLayoutFor(screenHeight).windowSize;
    QVERIFY(std::ceil(window.height() * factor) + frame.height() <= available.height());
    QVERIFY(std::ceil(window.width() * factor) + frame.width() <= available.width());
    AccountSettings().clear();
}

// On a class's shared account the size is each child's: one child's choice neither
// reaches another nor the account, and a child who chose none has the account's.
void WindowSizeTest::oneChildsSizeGivenToAnotherOrTheAccount_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<int>("childChoice"); // -1: none made by her
    QTest::addColumn<int>("seen");
    QTest::newRow("her own choice") << QStringLiteral("Ben Luca") << int(SizeChoice::VeryLarge) << int(SizeChoice::VeryLarge);
    QTest::newRow("filling the screen, with her own factor")
        << QStringLiteral("Özlem") << int(SizeChoice::FillScreen) << int(SizeChoice::FillScreen);
    QTest::newRow("none of her own: the account's") << QStringLiteral("Cem") << -1 << int(SizeChoice::Large);
}

void WindowSizeTest::oneChildsSizeGivenToAnotherOrTheAccount()
{
    QFETCH(QString, child);
    QFETCH(int, childChoice);
    QFETCH(int, seen);
    QStandardPaths::setTestModeEnabled(true);
    AccountSettings().clear();
    ChooseSize(SizeChoice::Large, 1.0);
    KeepChoicesFor(child);
    if (childChoice >= 0)
        ChooseSize(SizeChoice(childChoice), 1.73);
    QCOMPARE(int(*StoredSizeChoice().choice), seen);
    if (childChoice == int(SizeChoice::FillScreen))
        QCOMPARE(ChosenFactor(), 1.73);
    KeepChoicesFor(QStringLiteral("Dana"));
    QCOMPARE(int(*StoredSizeChoice().choice), int(SizeChoice::Large));
    KeepChoicesFor(QString());
    QCOMPARE(int(ChosenSize()), int(SizeChoice::Large));
    KeepChoicesFor(child);
    UserSettings().clear();
    KeepChoicesFor(QString());
    AccountSettings().clear();
}

QTEST_APPLESS_MAIN(WindowSizeTest)
#include "tst_windowsize.moc"
