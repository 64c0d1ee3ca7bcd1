// "Wer übt?" on a class's shared account: every name of a large class reachable at the
// small screen, big enough for a finger and named for screen readers; a tap leads the
// log and the choices to the picked child and the title window names her, and "Ende"
// there hands over to the next child.

#include "TourPictures.h"
#include "WindowTestSupport.h"
#include "core/ClassList.h"
#include "core/UserSettings.h"
#include "log/LogSettings.h"
#include "shell/picker/ClassPicking.h"
#include "shell/picker/TWerUebt.h"

#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QStringList classOf(int size)
{
    QStringList names = {QStringLiteral("Özlem"), QStringLiteral("Ben Luca"), QStringLiteral("Ben")};
    for (int i = names.size(); i < size; ++i)
        names << QStringLiteral("Kind Nummer %1").arg(i, 2, 10, QLatin1Char('0'));
    SortAsClassList(names);
    return names;
}

QList<QPushButton *> nameButtons(const TWerUebt &window)
{
    return window.nameList()->widget()->findChildren<QPushButton *>(QStringLiteral("Kind"));
}

} // namespace

class TestWerUebt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        CreateProgramWindows();
    }

    void everyNameOfALargeClassCanBeReached_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("lowestButton");
        QTest::newRow("small layout") << 600 << 60;
        QTest::newRow("large layout") << 1080 << 76;
    }
    void everyNameOfALargeClassCanBeReached()
    {
        QFETCH(int, screenHeight);
        QFETCH(int, lowestButton);
        const QStringList names = classOf(30);
        TWerUebt window(names, screenHeight);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The test's screen is 800 × 600: only the small layout has to fit it.
        if (screenHeight == 600)
            QVERIFY2(window.screen()->availableGeometry().contains(window.frameGeometry()), "the window does not fit the screen");
        QVERIFY2(window.nameList()->verticalScrollBar()->maximum() > 0, "thirty names fit without scrolling?");

        const QList<QPushButton *> buttons = nameButtons(window);
        QStringList shown;
        for (QPushButton *button : buttons) {
            shown << button->accessibleName();
            QCOMPARE(button->text(), button->accessibleName());
            QVERIFY2(button->height() >= lowestButton, qPrintable(button->text()));
            QVERIFY(!button->icon().isNull());
            window.nameList()->ensureWidgetVisible(button);
            const QRect inView(button->mapTo(window.nameList()->viewport(), QPoint(0, 0)), button->size());
            QVERIFY2(window.nameList()->viewport()->rect().contains(inView), qPrintable(button->text()));
        }
        QCOMPARE(shown, names);
        if (screenHeight == 600) {
            window.nameList()->verticalScrollBar()->setValue(0);
            SaveForTheTour(window.grab().toImage(), QStringLiteral("wer-uebt-800x600"));
        }
    }

    void aTapLeadsRunsAndChoicesToThePickedChild()
    {
        QTemporaryDir classFolder;
        QFile list(classFolder.filePath(QLatin1String(ClassListFileName)));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(ClassListText(classOf(3)));
        list.close();
        const LogSettings classSettings{QString(), classFolder.path() + QLatin1Char('/'), true, 0};
        SetLogSettings(classSettings);

        AskWhoPractises(Titelbild, classOf(3), QString());
        QVERIFY(QTest::qWaitForWindowExposed(WerUebt));
        for (const QString &child : {QStringLiteral("Ben Luca"), QStringLiteral("Özlem")}) {
            QPushButton *button = nullptr;
            for (QPushButton *candidate : nameButtons(*WerUebt))
                button = candidate->accessibleName() == child ? candidate : button;
            QVERIFY(button != nullptr);
            QTest::mouseClick(button, Qt::LeftButton);

            QTRY_VERIFY(Titelbild->isVisible());
            QVERIFY(!WerUebt->isVisible());
            QCOMPARE(logSettings().logDirectory, classSettings.logDirectory + child + QLatin1Char('/'));
            auto *practising = Titelbild->findChild<QLabel *>(QStringLiteral("WerUebtGerade"));
            QVERIFY(practising != nullptr && practising->isVisible());
            QCOMPARE(practising->text(), child + QStringLiteral(" übt"));
            QCOMPARE(settingsChild(), child);
            if (child == QLatin1String("Ben Luca"))
                SaveForTheTour(Titelbild->grab().toImage(), QStringLiteral("titel-ben-luca-uebt"));

            Titelbild->Ende1Click();
            QTRY_VERIFY(WerUebt->isVisible());
            QVERIFY(!Titelbild->isVisible());
            QCOMPARE(logSettings().logDirectory, classSettings.logDirectory);
            QVERIFY(settingsChild().isEmpty());
        }
        WerUebt->hide();
    }

    // A copy started again for a child (at her own size) goes on with her; a name that is
    // no longer on the list is asked for again, and its choices are not kept.
    void aNewStartForAChildAsksAgainOrLeadsElsewhere_data()
    {
        QTest::addColumn<QString>("startedFor");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("a child on the list") << QStringLiteral("Özlem") << true;
        QTest::newRow("a name struck meanwhile") << QStringLiteral("Dana") << false;
    }
    void aNewStartForAChildAsksAgainOrLeadsElsewhere()
    {
        QFETCH(QString, startedFor);
        QFETCH(bool, goesOn);
        QTemporaryDir classFolder;
        const LogSettings classSettings{QString(), classFolder.path() + QLatin1Char('/'), true, 0};
        SetLogSettings(classSettings);
        KeepChoicesFor(startedFor);

        delete WerUebt;
        AskWhoPractises(Titelbild, classOf(3), startedFor);
        QCOMPARE(Titelbild->isVisible(), goesOn);
        QCOMPARE(WerUebt->isVisible(), !goesOn);
        QCOMPARE(settingsChild(), goesOn ? startedFor : QString());
        QCOMPARE(logSettings().logDirectory, goesOn ? classSettings.logDirectory + startedFor + QLatin1Char('/') : classSettings.logDirectory);
        if (goesOn) {
            Titelbild->Ende1Click();
            QTRY_VERIFY(WerUebt->isVisible());
        }
        WerUebt->hide();
    }
};

QTEST_MAIN(TestWerUebt)
#include "tst_werubt.moc"
