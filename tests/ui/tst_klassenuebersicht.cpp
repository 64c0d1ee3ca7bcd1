// The window "Klassenübersicht" over a small class: what it shows at both screen sizes,
// where a double-click leads, how the log viewer's "Klasse…" opens it, and its export.

#include "TourPictures.h"
#include "core/ClassList.h"
#include "core/Cp1252.h"
#include "log/class/SharedClass.h"
#include "log/widgets/TKlassenUebersicht.h"
#include "log/widgets/TLogbuch.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Acts on the next modal window of type W as soon as it is shown: the test itself waits
// inside that window's event loop meanwhile.
template <typename W>
class NextModal : public QObject
{
public:
    int shown = 0;
    explicit NextModal(std::function<void(W *)> act) : act(std::move(act)) { poll(); }

private:
    std::function<void(W *)> act;
    int attempts = 0;
    void poll()
    {
        if (auto *window = qobject_cast<W *>(QApplication::activeModalWidget()); window && window->isVisible()) {
            ++shown;
            act(window);
        } else if (++attempts < 1000) {
            QTimer::singleShot(5, this, [this] { poll(); });
        }
    }
};

const QStringList Exercises{"Runde auf Zehner", "Zahlenstrahl bis 200", "Römische Zahlen", "Zählen",
                            "Schreibe Zahlen bis 100 000", "Gemischte Aufgaben zum Runden"};

// A child's practice: some of the exercises, a few runs each, the share right varying by
// child and exercise so that every grade colour shows.
bool writeChildLog(const QString &folder, int child)
{
    SetLogSettings({QString(), folder + QLatin1Char('/'), true, 0});
    const QDateTime start(QDate(2026, 11, 2), QTime(10, 0));
    for (int e = 0; e < Exercises.size(); ++e) {
        if ((child + e) % 4 == 3)
            continue;
        for (int run = 0; run <= (child * e) % 4; ++run) {
            RunResult result;
            result.finishedAt = start.addDays(qint64(child) * 2 + qint64(e) * 3 + run).addSecs(qint64(run) * 600);
            result.rightCount = 50 - ((child * 7 + e * 11 + run * 5) % 40);
            result.wrongCount = (child * 5 + e * 3) % 25;
            result.totalThinkTime = 8.0 * result.rightCount;
            result.title = Exercises.at(e);
            if (AppendLogLine(QStringLiteral("bm.log"), LogRecordFor(result)).status != LogStatus::Done)
                return false;
        }
    }
    return true;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList listing(const QString &folder)
{
    QStringList names;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        names << info.fileName() + QLatin1Char(' ') + QString::number(info.size());
    return names;
}

} // namespace

class TestKlassenUebersicht : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir temporary;
    QString classFolder;
    QTemporaryDir settingsFolder;
    QTemporaryDir elsewhere;
    TKlassenUebersicht *window = nullptr;

    void showClass(QSize screen = QSize(1024, 768))
    {
        window->ShowClass(classFolder);
        QTRY_VERIFY(!window->IsReading());
        window->resize(ClassWindowSize(screen));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
        classFolder = temporary.filePath(QStringLiteral("klasse-3b"));
        QVERIFY(QDir().mkpath(classFolder));
        const QDir root(classFolder);
        const QStringList children{"Özlem", "ben", "Anna", "Jürgen", "Zoe", "Mia"};
        for (int i = 0; i < children.size(); ++i) {
            QVERIFY(root.mkdir(children.at(i)));
            QVERIFY(writeChildLog(root.filePath(children.at(i)), i));
        }
        QVERIFY(root.mkdir("Carla"));
        QVERIFY(root.mkpath("David/bm.log"));
    }
    void init()
    {
        window = new TKlassenUebersicht;
        ShowChildLogsOf(window);
    }
    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    void overviewNotShownAsLaidOut_data();
    void overviewNotShownAsLaidOut();
    void columnTooNarrowForItsTitle_data();
    void columnTooNarrowForItsTitle();
    void windowNotGrownToTheTableOrOffTheScreen_data();
    void windowNotGrownToTheTableOrOffTheScreen();
    void headerTitleClippedInItsColumn();
    void largeClassFreezesTheWindowOrIsShownWrong();
    void doubleClickNotOpeningTheChildsLog_data();
    void doubleClickNotOpeningTheChildsLog();
    void classButtonNotAskingForTheFolderOrForgettingIt();
    void exportNotWrittenOrWrittenIntoTheClassFolder();
    void namesChangeableInTheWrongClassOrNotInTheSharedOne();
};

void TestKlassenUebersicht::overviewNotShownAsLaidOut_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("800x600") << QSize(800, 600);
}

void TestKlassenUebersicht::overviewNotShownAsLaidOut()
{
    QFETCH(QSize, screen);
    showClass(screen);
    const ClassTable table = LayOutClassTable(ReadClassOverview(classFolder));
    QCOMPARE(window->windowTitle(), QStringLiteral("Klassenübersicht"));
    QCOMPARE(window->Table->rowCount(), 6);
    QCOMPARE(window->Table->columnCount(), Exercises.size() + 1);
    QCOMPARE(window->Table->verticalHeaderItem(0)->text(), QStringLiteral("Anna"));
    QCOMPARE(window->Table->verticalHeaderItem(3)->text(), QStringLiteral("Mia"));
    QCOMPARE(window->Table->verticalHeaderItem(4)->text(), QStringLiteral("Özlem"));
    QCOMPARE(window->Table->horizontalHeaderItem(0)->text(), QStringLiteral("Läufe"));
    QStringList reasons;
    for (int i = 0; i < window->ProblemList->count(); ++i)
        reasons << window->ProblemList->item(i)->text();
    QCOMPARE(reasons, (QStringList{"Carla: Keine Protokolldatei vorhanden.",
                                   "David: bm.log ist ein Ordner, keine Protokolldatei."}));
    QVERIFY(window->ProblemList->isVisible());

    SaveForTheTour(window->grab().toImage(),
                   QStringLiteral("klassenuebersicht-%1x%2").arg(screen.width()).arg(screen.height()));
    // Every cell stands in its colour, with its grade and tooltip.
    const QImage cells = window->Table->viewport()->grab().toImage();
    int coloured = 0;
    for (int row = 0; row < window->Table->rowCount(); ++row) {
        for (int column = 0; column < window->Table->columnCount(); ++column) {
            const ClassTableCell &cell = table.cells.at(row).at(column);
            const QTableWidgetItem *item = window->Table->item(row, column);
            QCOMPARE(item->text(), cell.text);
            QCOMPARE(item->toolTip(), cell.toolTip);
            const QRect place = window->Table->visualItemRect(item);
            if (!cell.background.isValid() || !cells.rect().contains(place))
                continue;
            QCOMPARE(cells.pixelColor(place.left() + 3, place.top() + 3), cell.background);
            ++coloured;
        }
    }
    QVERIFY2(coloured >= 6, qPrintable(QString::number(coloured)));
    // Nothing is pushed out of the window.
    for (const QWidget *part : {static_cast<QWidget *>(window->ExportButton), static_cast<QWidget *>(window->CloseButton),
                                static_cast<QWidget *>(window->ProblemList)})
        QVERIFY(window->rect().contains(part->geometry()));
}

void TestKlassenUebersicht::columnTooNarrowForItsTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("width");
    // Every character 7 pixels wide, 12 pixels of margin, at least 92 wide.
    QTest::newRow("short title: the narrowest") << "Zählen" << 3 << 92;
    QTest::newRow("three lines") << "Gemischte Aufgaben zum Zahlenstrahl" << 3 << 12 + 12 * 7;
    QTest::newRow("two lines") << "Gemischte Aufgaben zum Zahlenstrahl" << 2 << 12 + 18 * 7;
    QTest::newRow("one long word stays whole") << "Zehntausender" << 3 << 12 + 13 * 7;
}

void TestKlassenUebersicht::columnTooNarrowForItsTitle()
{
    QFETCH(QString, title);
    QFETCH(int, lines);
    QFETCH(int, width);
    QCOMPARE(TitleColumnWidth(title, lines, 92, 12, [](const QString &text) { return int(text.size()) * 7; }), width);
}

void TestKlassenUebersicht::windowNotGrownToTheTableOrOffTheScreen_data()
{
    QTest::addColumn<QSize>("table");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    // 40 x 200 pixels stand around the table: the folder, the list of problems, the buttons.
    QTest::newRow("small class: the first size") << QSize(500, 200) << QSize(1920, 1040) << QSize(900, 560);
    QTest::newRow("many exercises: wider") << QSize(1500, 300) << QSize(1920, 1040) << QSize(1540, 560);
    QTest::newRow("many children: taller") << QSize(800, 700) << QSize(1920, 1040) << QSize(900, 900);
    QTest::newRow("up to the free area") << QSize(2500, 1500) << QSize(1366, 728) << QSize(1326, 648);
}

void TestKlassenUebersicht::windowNotGrownToTheTableOrOffTheScreen()
{
    QFETCH(QSize, table);
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QCOMPARE(ClassWindowSizeFor(table, QSize(40, 200), screen), window);
}

// Titles broken onto more lines than the header has were cut off at its foot.
void TestKlassenUebersicht::headerTitleClippedInItsColumn()
{
    const QString longTitles = temporary.filePath(QStringLiteral("klasse-4a/Anna"));
    QVERIFY(QDir().mkpath(longTitles));
    SetLogSettings({QString(), longTitles + QLatin1Char('/'), true, 0});
    for (const char *title : {"Gemischte Aufgaben zum Zahlenstrahl", "Zahlen am Zahlenstrahl zeigen",
                              "Runde auf Zehntausender"}) {
        RunResult result;
        result.finishedAt = QDateTime(QDate(2026, 11, 2), QTime(10, 0));
        result.rightCount = 40;
        result.wrongCount = 2;
        result.title = QString::fromUtf8(title);
        QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), LogRecordFor(result)).status, LogStatus::Done);
    }
    window->ShowClass(temporary.filePath(QStringLiteral("klasse-4a")));
    QTRY_VERIFY(!window->IsReading());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QHeaderView *header = window->Table->horizontalHeader();
    const QFontMetrics metrics(header->font());
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 1; column < window->Table->columnCount(); ++column) {
        const QString title = window->Table->horizontalHeaderItem(column)->text();
        const int room = window->Table->columnWidth(column) - margins;
        const QRect needed = metrics.boundingRect(QRect(0, 0, room, 1000), Qt::AlignCenter | Qt::TextWordWrap, title);
        QVERIFY2(needed.width() <= room && needed.height() <= header->height(), qPrintable(title));
    }
}

void TestKlassenUebersicht::largeClassFreezesTheWindowOrIsShownWrong()
{
    // Three children with some 2 MiB of log each: read on a worker thread.
    QTemporaryDir large;
    for (const QString &child : {QStringLiteral("anna"), QStringLiteral("ben"), QStringLiteral("mia")}) {
        QVERIFY(QDir(large.path()).mkdir(child));
        QByteArray stored;
        for (int i = 0; i < 30000; ++i) {
            const int right = 1 + i % 50, wrong = i % 26;
            const QString record = QStringLiteral("%1.11.26 10:00:00 %2 ok  %3 falsch  %4% 12,61 sec  %5")
                                       .arg(1 + i % 28, 2, 10, QLatin1Char('0')).arg(right, 2).arg(wrong, 2)
                                       .arg(right * 100 / (right + wrong), 3).arg(Exercises.at(i % Exercises.size()));
            stored += MaskLogText(EncodeCp1252(record)) + "\r\n";
        }
        QFile log(ChildLogPath(large.path(), child));
        QVERIFY(log.open(QIODevice::WriteOnly));
        QCOMPARE(log.write(stored), stored.size());
    }
    QElapsedTimer clock;
    clock.start();
    window->ShowClass(large.path());
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(!window->IsReading(), 60000);

    const ClassTable table = LayOutClassTable(ReadClassOverview(large.path()));
    QCOMPARE(window->Table->rowCount(), 3);
    QCOMPARE(window->Table->columnCount(), table.columns.size());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < table.columns.size(); ++column)
            QCOMPARE(window->Table->item(row, column)->text(), table.cells.at(row).at(column).text);
    }
    QVERIFY(window->ProblemList->isHidden());
}

void TestKlassenUebersicht::doubleClickNotOpeningTheChildsLog_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("opens");
    QTest::newRow("a grade: its progress") << "Mia" << "Runde auf Zehner" << true;
    QTest::newRow("the runs: the arranged log") << "Jürgen" << "Läufe" << true;
    QTest::newRow("an empty cell: nothing") << "Anna" << "Zahlenstrahl bis 200" << false;
}

void TestKlassenUebersicht::doubleClickNotOpeningTheChildsLog()
{
    QFETCH(QString, child);
    QFETCH(QString, column);
    QFETCH(bool, opens);
    showClass();
    const ClassTable table = LayOutClassTable(ReadClassOverview(classFolder));
    QTableWidgetItem *item = window->Table->item(int(table.children.indexOf(child)), int(table.columns.indexOf(column)));
    QVERIFY(item != nullptr);
    QCOMPARE(item->text().isEmpty(), !opens);
    const QString exercise = column == QStringLiteral("Läufe") ? QString() : column;

    QString title, shownExercise;
    bool progress = false, classButton = true;
    NextModal<TLogbuch> viewer([&](TLogbuch *logbuch) {
        title = logbuch->windowTitle();
        progress = logbuch->ShowsProgress();
        shownExercise = logbuch->ExerciseList->currentText();
        classButton = logbuch->ClassButton->isVisible();
        if (progress)
            SaveForTheTour(logbuch->grab().toImage(), QStringLiteral("klassenuebersicht-verlauf"));
        logbuch->close();
    });
    const QPoint centre = window->Table->visualItemRect(item).center();
    // As the window system sends it: a click, then the double-click.
    QTest::mouseClick(window->Table->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(window->Table->viewport(), Qt::LeftButton, {}, centre);
    if (!opens) {
        QTest::qWait(100);
        QCOMPARE(viewer.shown, 0);
        return;
    }
    QTRY_COMPARE(viewer.shown, 1);
    QCOMPARE(title, ChildLogPath(classFolder, child));
    QCOMPARE(progress, !exercise.isEmpty());
    if (progress)
        QCOMPARE(shownExercise, exercise);
    QVERIFY(!classButton);
}

void TestKlassenUebersicht::classButtonNotAskingForTheFolderOrForgettingIt()
{
    TLogbuch logbuch;
    logbuch.show();
    QVERIFY(QTest::qWaitForWindowExposed(&logbuch));
    QCOMPARE(logbuch.ClassButton->text(), QStringLiteral("Klasse…"));
    QVERIFY(logbuch.rect().contains(logbuch.ClassButton->geometry()));

    NextModal<QFileDialog> folderDialog([&](QFileDialog *dialog) {
        dialog->selectFile(classFolder);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QString shownFolder;
    int rows = 0;
    NextModal<TKlassenUebersicht> overview([&](TKlassenUebersicht *shown) {
        shownFolder = shown->classFolder();
        if (QTest::qWaitFor([shown] { return !shown->IsReading(); }, 10000))
            rows = shown->Table->rowCount();
        shown->close();
    });
    QTest::mouseClick(logbuch.ClassButton, Qt::LeftButton);
    QCOMPARE(folderDialog.shown, 1);
    QCOMPARE(overview.shown, 1);
    QCOMPARE(QDir(shownFolder), QDir(classFolder));
    QCOMPARE(rows, 6);

    // The next time the dialog starts in the folder chosen last, and cancelling opens nothing.
    QString offered;
    NextModal<QFileDialog> again([&](QFileDialog *dialog) {
        offered = dialog->directory().absolutePath();
        dialog->reject();
    });
    NextModal<TKlassenUebersicht> none([](TKlassenUebersicht *shown) { shown->close(); });
    QTest::mouseClick(logbuch.ClassButton, Qt::LeftButton);
    QCOMPARE(again.shown, 1);
    QCOMPARE(QDir(offered), QDir(classFolder));
    QTest::qWait(50);
    QCOMPARE(none.shown, 0);
}

void TestKlassenUebersicht::exportNotWrittenOrWrittenIntoTheClassFolder()
{
    showClass();
    const QString table = elsewhere.filePath(QStringLiteral("klasse.csv"));
    QVERIFY(window->ExportTo(table));
    QCOMPARE(fileBytes(table), ClassTableAsCsv(LayOutClassTable(ReadClassOverview(classFolder))));

    const QStringList before = listing(classFolder);
    NextModal<QMessageBox> refusal([](QMessageBox *box) { box->done(0); });
    QVERIFY(!window->ExportTo(QDir(classFolder).filePath(QStringLiteral("klasse.csv"))));
    QCOMPARE(refusal.shown, 1);
    QCOMPARE(listing(classFolder), before);
}

// Only a class on one shared account has a class list for the teacher to change; the
// dialogs' names reach it, and a struck child's folder stays.
void TestKlassenUebersicht::namesChangeableInTheWrongClassOrNotInTheSharedOne()
{
    showClass();
    QVERIFY(!window->AddNameButton->isVisible());
    QVERIFY(!window->StrikeNameButton->isVisible());

    const QString shared = elsewhere.filePath(QStringLiteral("klasse-1a"));
    QVERIFY(QDir().mkpath(shared + QStringLiteral("/Ben")));
    QFile list(QDir(shared).filePath(QLatin1String(ClassListFileName)));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("Ben\n");
    list.close();
    window->ShowClass(shared);
    QTRY_VERIFY(!window->IsReading());
    QVERIFY(window->AddNameButton->isVisible());
    QVERIFY(window->StrikeNameButton->isVisible());

    NextModal<QInputDialog> typed([](QInputDialog *dialog) {
        dialog->setTextValue(QStringLiteral(" Emma  Sophie"));
        dialog->accept();
    });
    NextModal<QMessageBox> told([](QMessageBox *box) { box->done(0); });
    QTest::mouseClick(window->AddNameButton, Qt::LeftButton);
    QCOMPARE(told.shown, 1);
    QTRY_VERIFY(!window->IsReading());
    QCOMPARE(ClassListIn(shared), QStringList({"Ben", "Emma Sophie"}));

    NextModal<QInputDialog> picked([](QInputDialog *dialog) {
        QCOMPARE(dialog->comboBoxItems(), QStringList({"Ben", "Emma Sophie"}));
        dialog->setTextValue(QStringLiteral("Ben"));
        dialog->accept();
    });
    QTest::mouseClick(window->StrikeNameButton, Qt::LeftButton);
    QCOMPARE(picked.shown, 1);
    QTRY_VERIFY(!window->IsReading());
    QCOMPARE(ClassListIn(shared), QStringList({"Emma Sophie"}));
    QVERIFY(QFileInfo(QDir(shared).filePath(QStringLiteral("Ben"))).isDir());
}

QTEST_MAIN(TestKlassenUebersicht)
#include "tst_klassenuebersicht.moc"
