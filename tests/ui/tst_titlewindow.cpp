// The title window: its size and place, every menu entry with its caption and the kind it
// starts, the log entry that only logging shows, the information boxes, and a run opened
// from the title window while the title window is itself shown modally.

#include "WindowTestSupport.h"
#include "bm_exports.h"
#include "core/Cp1252.h"
#include "log/LogSettings.h"
#include "kinds/Kinds.h"
#include "core/UserSettings.h"
#include "run/WindowSize.h"
#include "shell/TInfoBox.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>

namespace {

// "caption|name" of every item of a menu, "-name" for a separator.
QStringList itemsOf(QMenu *menu)
{
    QStringList items;
    for (QAction *item : menu->actions())
        items << (item->isSeparator() ? QLatin1Char('-') + item->objectName() : item->text() + '|' + item->objectName());
    return items;
}

QMenu *menuTitled(TTitelbild *window, const QString &title)
{
    // A menu of the bar, or a submenu of one.
    for (QAction *item : window->menuBar()->actions()) {
        if (item->text() == title)
            return item->menu();
        const QList<QAction *> inner = item->menu() != nullptr ? item->menu()->actions() : QList<QAction *>();
        for (QAction *entry : inner) {
            if (entry->text() == title && entry->menu() != nullptr)
                return entry->menu();
        }
    }
    return nullptr;
}

// Shows the information box the action opens and returns its caption, text and corner,
// and whether every line stands whole on one line.
struct ShownBox
{
    QString caption;
    QString text;
    QPoint corner;
    bool wholeLines = false;
};

ShownBox boxOf(QAction *action)
{
    ShownBox shown;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<TInfoBox *>(QApplication::activeModalWidget()) != nullptr);
        auto *box = qobject_cast<TInfoBox *>(QApplication::activeModalWidget());
        shown = {box->windowTitle(), box->Text->text(), box->pos(), !box->Text->wordWrap()};
        for (const QString &line : box->Text->text().split(QLatin1Char('\n')))
            shown.wholeLines = shown.wholeLines && box->Text->fontMetrics().horizontalAdvance(line) <= box->Text->width();
        box->OKButton->click();
    });
    action->trigger();
    return shown;
}

} // namespace

class TitleWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void standsCentredAndRaisedAtItsSize();
    void menusHaveEveryEntryWithItsMnemonic_data();
    void menusHaveEveryEntryWithItsMnemonic();
    void sizesTooLargeForTheScreenAreGreyWithTheReason_data();
    void sizesTooLargeForTheScreenAreGreyWithTheReason();
    void newSizeStartsAgainUnlessARunIsOpen_data();
    void newSizeStartsAgainUnlessARunIsOpen();
    void exerciseEntriesStartTheirKind();
    void logEntryShowsOnlyWithLogging_data();
    void logEntryShowsOnlyWithLogging();
    void informationBoxesShowTheirLines_data();
    void informationBoxesShowTheirLines();
    void escapeDoesNotCloseTheTitle();
    void runFromModalTitleKeepsTheTitleOpen();
};

void TitleWindowTest::initTestCase()
{
    CreateProgramWindows();
}

void TitleWindowTest::standsCentredAndRaisedAtItsSize()
{
    TTitelbild title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    QCOMPARE(title.windowTitle(), QStringLiteral("Brimbelo v0.1"));
    QCOMPARE(title.frameGeometry().size(), QSize(628, 400));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(title.pos(), QPoint(screen.width() / 2 - 314, screen.height() / 2 - 200 - 20));
}

void TitleWindowTest::menusHaveEveryEntryWithItsMnemonic_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("number line") << "Zahlenstrahl"
        << QStringList{"Zahlenstrahl bis     &200|Strahl200", "Zahlenstrahl bis  &1 000|Strahl2000",
                       "Zahlenstrahl bis 10 &000|ZahlenstrahlbisZT", "ge&mischte Aufgaben|StrahlMixed", "-N2",
                       "Zahlen am Zahlenstrahl &zeigen|Zeigen", "&Abstände|Abstand"};
    QTest::newRow("writing") << "Zahlen &schreiben"
        << QStringList{"Zahlen bis      1 000|bisT", "Zahlen bis  100 000|bisHT", "Zahlen über 1 Million|ueber1M"};
    QTest::newRow("rounding") << "&Runden"
        << QStringList{"Runde auf &Zehner|RundeaufZehner", "Runde auf &Hunderter|RundeaufHunderter",
                       "Runde auf &Tausender|RundeaufTausender", "Runde auf Z&ehntausender|RundeaufZehntausender",
                       "-N3", "&gemischte Aufgaben|Rundegemischt"};
    QTest::newRow("various") << "&Verschiedenes"
        << QStringList{"&Römische Zahlen|RmischeZahlen", "Zahlen&folgen|Zahlenfolgen1", "\"Z&ählen\"|Zaehlen"};
    QTest::newRow("up to 100") << "&Bis 100"
        << QStringList{"Zahlenstrahl bis &20|Strahl20", "Zahlenstrahl bis &100|Strahl100", "-N5",
                       "Zahlen &zeigen bis 20|Zeigen20", "Zahlen z&eigen bis 100|Zeigen100", "-N6",
                       "Zahlen &schreiben bis 100|Schreiben100",
                       "Zehner &und Einer bis 100|ZehnerEiner100", "&Wie viele? bis 20|WieViele20",
                       "&Nachbarzahlen bis 100|Nachbarn100"};
    QTest::newRow("info") << "&Info"
        << QStringList{"Pr&ogramm|Info", "&Animationen|Animationen", "&Tipps zum Üben|Ueben",
                       "&Protokoll zeigen|Protokoll", "Aufgaben &vorlesen|Vorlesen", "&Ziffernblock|Ziffernblock",
                       "&Größe|Groesse"};
    QTest::newRow("size") << "&Größe"
        << QStringList{"&Normal|", "&Groß|", "Sehr g&roß|", "&Bildschirm füllen|"};
}

void TitleWindowTest::menusHaveEveryEntryWithItsMnemonic()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    QMenu *found = menuTitled(Titelbild, menu);
    QVERIFY(found != nullptr);
    QCOMPARE(itemsOf(found), items);
}

void TitleWindowTest::sizesTooLargeForTheScreenAreGreyWithTheReason_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<double>("factor");
    QTest::newRow("Normal") << "&Normal" << 1.0;
    QTest::newRow("Groß") << "&Groß" << 1.5;
    QTest::newRow("Sehr groß") << "Sehr g&roß" << 2.0;
}

// "Sehr groß" needs 1080 pixels of height in the small layout and 1380 in the large one:
// on a test screen less than 1380 pixels tall it never fits.
void TitleWindowTest::sizesTooLargeForTheScreenAreGreyWithTheReason()
{
    QFETCH(QString, entry);
    QFETCH(double, factor);
    const QScreen *screen = Titelbild->screen();
    // A window's frame takes its share of the free area.
    const QSize available = InsideFrame(screen->availableGeometry().size(), WindowFrame());
    QVERIFY2(available.height() < 1380, "a test screen too large");
    const QString refusal = SizeRefusal(factor, available, screen->geometry().height());
    if (entry == QStringLiteral("Sehr g&roß"))
        QVERIFY(!refusal.isEmpty());
    QMenu *sizes = menuTitled(Titelbild, QStringLiteral("&Größe"));
    QVERIFY(sizes != nullptr);
    QVERIFY(sizes->toolTipsVisible());
    QAction *item = nullptr;
    for (QAction *action : sizes->actions()) {
        if (action->text() == entry)
            item = action;
    }
    QVERIFY(item != nullptr);
    QCOMPARE(item->isEnabled(), refusal.isEmpty());
    if (!refusal.isEmpty())
        QCOMPARE(item->toolTip(), refusal);
}

void TitleWindowTest::newSizeStartsAgainUnlessARunIsOpen_data()
{
    QTest::addColumn<bool>("runOpen");
    QTest::newRow("title window alone") << false;
    QTest::newRow("a run open") << true;
}

// The test screen is 800 x 600: filling it is a factor other than 1, the one this start has.
void TitleWindowTest::newSizeStartsAgainUnlessARunIsOpen()
{
    QFETCH(bool, runOpen);
    QSignalSpy startAgain(Titelbild, &TTitelbild::startAgainWanted);
    QAction *fill = nullptr;
    for (QAction *action : menuTitled(Titelbild, QStringLiteral("&Größe"))->actions()) {
        if (action->text() == QStringLiteral("&Bildschirm füllen"))
            fill = action;
    }
    QVERIFY(fill != nullptr);
    Titelbild->show();
    QVERIFY(QTest::qWaitForWindowExposed(Titelbild));
    QRect notice;
    auto choose = [&] {
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<TInfoBox *>(QApplication::activeModalWidget())) {
                QCOMPARE(box->Text->text(), NextStartNotice);
                notice = box->frameGeometry();
                box->OKButton->click();
            }
        });
        fill->trigger();
    };
    if (runOpen) {
        QTimer::singleShot(0, Form2, [&] {
            choose();
            QTest::keyClick(Form2, Qt::Key_Escape);
        });
        Titelbild->StartIt(QStringLiteral("Runde auf Zehner"), 301);
    } else {
        choose();
        QTest::qWait(50);
    }
    UserSettings().remove(QStringLiteral("Groesse"));
    QCOMPARE(startAgain.count(), runOpen ? 0 : 1);
    QCOMPARE(notice.isValid(), runOpen);
    if (runOpen)
        QVERIFY2(Titelbild->frameGeometry().contains(notice), "the notice stands away from the title window");
}

void TitleWindowTest::exerciseEntriesStartTheirKind()
{
    const QList<QAction *> bar = Titelbild->menuBar()->actions();
    QCOMPARE(bar.size(), 7);
    QCOMPARE(bar.last()->text(), QStringLiteral("&Ende"));
    QCOMPARE(bar.last()->objectName(), QStringLiteral("Ende1"));
    QVERIFY(bar.last()->menu() == nullptr);

    const QList<std::pair<const char *, qint32>> entries = {
        {"Strahl200", 102}, {"Strahl2000", 103}, {"ZahlenstrahlbisZT", 104}, {"StrahlMixed", 105},
        {"Zeigen", 109}, {"Abstand", 110}, {"bisT", 201}, {"bisHT", 202}, {"ueber1M", 203},
        {"RundeaufZehner", 301}, {"RundeaufHunderter", 302}, {"RundeaufTausender", 303},
        {"RundeaufZehntausender", 304}, {"Rundegemischt", 305}, {"RmischeZahlen", 401},
        {"Zahlenfolgen1", 402}, {"Zaehlen", 403}};
    for (const auto &[name, kind] : entries) {
        QString caption;
        // Each run is left at once: a kind with tasks by Escape, one without closes itself.
        QTimer::singleShot(0, Form2, [&] {
            caption = Form2->windowTitle();
            if (Form2->isVisible())
                QTest::keyClick(Form2, Qt::Key_Escape);
        });
        Titelbild->findChild<QAction *>(QLatin1String(name))->trigger();
        QCOMPARE(currentRun().currentTask.kind, kind);
        QCOMPARE(caption, FindKind(kind)->caption());
        QVERIFY(!Form2->isVisible());
    }
    Titelbild->hide();
}

void TitleWindowTest::logEntryShowsOnlyWithLogging_data()
{
    QTest::addColumn<bool>("logging");
    QTest::newRow("logging on") << true;
    QTest::newRow("logging off") << false;
}

void TitleWindowTest::logEntryShowsOnlyWithLogging()
{
    QFETCH(bool, logging);
    LogSettings settings;
    settings.logEnabled = logging;
    SetLogSettings(settings);
    TTitelbild title;
    SetLogSettings(LogSettings{});
    QMenu *info = menuTitled(&title, QStringLiteral("&Info"));
    int visibleItems = 0;
    for (QAction *item : info->actions())
        visibleItems += item->isVisible() ? 1 : 0;
    // Three information entries, "Aufgaben vorlesen", "Ziffernblock" and "Größe", and the
    // log viewer's when logging.
    QCOMPARE(visibleItems, logging ? 7 : 6);
    QCOMPARE(title.findChild<QAction *>(QStringLiteral("Protokoll"))->isVisible(), logging);
}

void TitleWindowTest::informationBoxesShowTheirLines_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("checkedLine");
    QTest::addColumn<QString>("lineText");
    QTest::newRow("program") << "Info" << 17 << 5
                             << "(Bitte die drei Dateien " + QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                                    + ", libbrimbelo-lernprog.so.1 und libbrimbelo_voice.so kopieren.)";
    QTest::newRow("program's address") << "Info" << 17 << 8 << "diesem Programm bitte per E-Mail an:";
    QTest::newRow("tips") << "Ueben" << 27 << 19
                          << "Übe auch Aufgaben, die du schon kannst! Du kannst immer noch deine Geschwindigkeit und "
                             "Sicherheit steigern.";
    QTest::newRow("tips' heading") << "Ueben" << 27 << 0 << "Wie du mit diesen Lernprogrammen üben kannst!";
    QTest::newRow("tips' second") << "Ueben" << 27 << 5
                                  << "Übe nie länger als 30 Minuten, aber übe regelmäßig – am besten täglich!";
    QTest::newRow("animations") << "Animationen" << 23 << 0 << DecodeCp1252(GetAnimInfo()).section(QChar(13), 0, 0);
}

void TitleWindowTest::informationBoxesShowTheirLines()
{
    QFETCH(QString, item);
    QFETCH(int, lines);
    QFETCH(int, checkedLine);
    QFETCH(QString, lineText);
    const ShownBox shown = boxOf(Titelbild->findChild<QAction *>(item));
    QCOMPARE(shown.caption, QStringLiteral("Information"));
    QCOMPARE(shown.corner, QPoint(50, 50));
    const QStringList shownLines = shown.text.split(QLatin1Char('\n'));
    QCOMPARE(shownLines.size(), lines);
    QCOMPARE(shownLines.at(checkedLine), lineText);
    QVERIFY(!shown.text.contains(QChar(13)));
    QVERIFY(shown.wholeLines);
}

void TitleWindowTest::escapeDoesNotCloseTheTitle()
{
    TTitelbild title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    QSignalSpy finished(&title, &QDialog::finished);
    QTest::keyClick(&title, Qt::Key_Escape);
    QVERIFY(title.isVisible());
    QCOMPARE(finished.count(), 0);
    title.findChild<QAction *>(QStringLiteral("Ende1"))->trigger();
    QVERIFY(!title.isVisible());
    QCOMPARE(finished.count(), 1);
}

void TitleWindowTest::runFromModalTitleKeepsTheTitleOpen()
{
    // With the background, the title window itself is shown modally; a run opened from it
    // must not end that display when it hides the title.
    bool execReturned = false;
    bool titleStillOpenAfterRun = false;
    QTimer::singleShot(0, Titelbild, [&] {
        QTimer::singleShot(0, Form2, [] { QTest::keyClick(Form2, Qt::Key_Escape); });
        Titelbild->findChild<QAction *>(QStringLiteral("RundeaufZehner"))->trigger();
        QTimer::singleShot(50, Titelbild, [&] {
            titleStillOpenAfterRun = !execReturned && Titelbild->isVisible();
            Titelbild->close();
        });
    });
    // Should the display end too early or never, the test must still come back.
    QTimer::singleShot(5000, Titelbild, [] { Titelbild->done(0); });
    Titelbild->exec();
    execReturned = true;
    QTRY_VERIFY(!Titelbild->isVisible());
    QTest::qWait(100);
    QVERIFY(titleStillOpenAfterRun);
}

QTEST_MAIN(TitleWindowTest)
#include "tst_titlewindow.moc"
