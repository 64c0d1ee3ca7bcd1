// The log viewer window: what it shows, how it is laid out, and that the child can only
// look at the log and close the window.

#include "TourPictures.h"
#include "log/LogView.h"
#include "kinds/Kinds.h"
#include "log/LogViewerLayout.h"
#include "log/widgets/LogMessages.h"
#include "log/widgets/RunSaving.h"
#include "log/widgets/TLogbuch.h"
#include "log/widgets/TProtokollZeilen.h"
#include "log/widgets/TVerlaufBild.h"
#include "shell/ProgramLocale.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QFontInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Closes the next message box as soon as it is shown and keeps its text.
class MessageBoxCatcher : public QObject
{
public:
    QString text;
    int shown = 0;

    MessageBoxCatcher() { poll(); }

private:
    int attempts = 0;
    void poll()
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            ++shown;
            box->done(0);
        } else if (++attempts < 1000) {
            QTimer::singleShot(5, this, [this] { poll(); });
        }
    }
};

// Answers the next file dialog with answer and keeps the file it suggested.
class FileDialogCatcher : public QObject
{
public:
    QString suggested;
    QString acceptText;   // the caption of the button that saves
    int shown = 0;

    explicit FileDialogCatcher(const QString &answer) : answer(answer) { poll(); }

private:
    QString answer;
    int attempts = 0;
    void poll()
    {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            suggested = dialog->selectedFiles().value(0);
            if (auto *buttons = dialog->findChild<QDialogButtonBox *>(); buttons && buttons->button(QDialogButtonBox::Save))
                acceptText = buttons->button(QDialogButtonBox::Save)->text();
            ++shown;
            dialog->selectFile(answer);
            QMetaObject::invokeMethod(dialog, "accept");
        } else if (++attempts < 1000) {
            QTimer::singleShot(5, this, [this] { poll(); });
        }
    }
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString Dec07 = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200");
const QString Dec05 = QStringLiteral("05.12.26 10:01:02 20 ok   0 falsch  100%  4,75 sec  Runde auf Zehner");
const QString Dec06 = QStringLiteral("06.12.26 09:30:00  5 ok   9 falsch   35%  8,00 sec  Zahlenstrahl bis 200");

} // namespace

class TestLogbuch : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *directory = nullptr;
    TLogbuch *window = nullptr;

    void writeExampleLog()
    {
        for (const QString &record : {Dec07, Dec05, Dec06})
            QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), record).status, LogStatus::Done);
    }
    void showWithLog()
    {
        writeExampleLog();
        window->ShowLogFile(QStringLiteral("bm.log"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init()
    {
        directory = new QTemporaryDir;
        QVERIFY(directory->isValid());
        SetLogSettings({QString(), directory->path() + QLatin1Char('/'), true, 0});
        window = new TLogbuch;
    }
    void cleanup()
    {
        delete window;
        window = nullptr;
        delete directory;
        directory = nullptr;
    }

    void logNotShownArranged();
    void longLogFreezesTheWindowOrLosesLines();
    void smallFileOfEmptyLinesFreezesTheWindow();
    void copyLosesOrReordersLines();
    void missingLogNotReported();
    void emptyLogReported();
    void memoNotSetUpForReading();
    void typingChangesMemoOrClosesWindow_data();
    void typingChangesMemoOrClosesWindow();
    void escapeInMemoLeavesWindowOpen();
    void enterRightAfterOpeningLeavesWindowOpen();
    void resizeBreaksLayout_data();
    void resizeBreaksLayout();
    void viewerSizedPastItsLinesOrOffTheScreen_data();
    void viewerSizedPastItsLinesOrOffTheScreen();
    void longLineCutWhileTheScreenHasRoom();
    void buttonsSitAtTheBottomWhateverTheFrame_data();
    void buttonsSitAtTheBottomWhateverTheFrame();
    void failedLogWriteNotReported();
    void progressViewNotReachableOrNotLeft();
    void exerciseListNotFollowed();
    void closingFromProgressViewFails_data();
    void closingFromProgressViewFails();
    void brokenRecordsBreakProgressView();
    void progressPictureNotDrawnWhereLaidOut();
    void longSeriesNotThinnedForThePicture();
    void exportNotWrittenOrLogChanged();
    void exportOntoTheLogNotRefused();
    void failedExportNotReported();
    void exportButtonNotAskingForAFile();
    void toolkitTextsInEnglish();
};

void TestLogbuch::logNotShownArranged()
{
    showWithLog();
    QCOMPARE(window->windowTitle(), QStringLiteral("bm.log"));
    const QStringList expected{
        QStringLiteral("05.12.26  20 ok   0 falsch  100% Note: 1+  4,75 Sek. Runde auf Zehner"),
        QString(),
        QStringLiteral("06.12.26   5 ok   9 falsch   35% Note: 5-  8,00 Sek. Zahlenstrahl bis 200"),
        QStringLiteral("07.12.26  12 ok   3 falsch   80% Note: 3+ 12,61 Sek. Zahlenstrahl bis 200"),
    };
    QCOMPARE(window->Memo1->toPlainText().split(QLatin1Char('\n')), expected);
    SaveForTheTour(window->grab().toImage(), QStringLiteral("logbuch"));
}

void TestLogbuch::missingLogNotReported()
{
    window->Memo1->setPlainText(QStringLiteral("left over from last time"));
    MessageBoxCatcher catcher;
    window->ShowLogFile(QStringLiteral("bm.log"));
    QCOMPARE(catcher.shown, 1);
    QCOMPARE(catcher.text, QStringLiteral("Keine Protokolldatei vorhanden!"));
    QCOMPARE(window->windowTitle(), QStringLiteral("bm.log"));
    QCOMPARE(window->Memo1->toPlainText(), QString());
}

void TestLogbuch::emptyLogReported()
{
    QFile log(directory->filePath(QStringLiteral("bm.log")));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.close();
    MessageBoxCatcher catcher;
    window->ShowLogFile(QStringLiteral("bm.log"));
    QCOMPARE(catcher.shown, 0);
    QCOMPARE(window->Memo1->toPlainText(), QString());
}

void TestLogbuch::memoNotSetUpForReading()
{
    showWithLog();
    QCOMPARE(QFontInfo(window->Memo1->font()).family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(window->Memo1->font().pointSize(), 8);
    QVERIFY(!window->Memo1->wordWrap());
    QVERIFY(window->Memo1->horizontalScrollBar()->isVisible());
    QVERIFY(window->Memo1->verticalScrollBar()->isVisible());
    QVERIFY(window->Button1->isDefault());
    QCOMPARE(window->Button1->text(), QStringLiteral("Schließen"));
}

void TestLogbuch::typingChangesMemoOrClosesWindow_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("letters") << "abc XYZ 123" << 0 << 0;
    QTest::newRow("backspace") << QString() << int(Qt::Key_Backspace) << 0;
    QTest::newRow("delete") << QString() << int(Qt::Key_Delete) << 0;
    QTest::newRow("enter") << QString() << int(Qt::Key_Return) << 0;
    QTest::newRow("paste") << QString() << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("cut") << QString() << int(Qt::Key_X) << int(Qt::ControlModifier);
}

void TestLogbuch::typingChangesMemoOrClosesWindow()
{
    QFETCH(QString, letters);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    showWithLog();
    const QString before = window->Memo1->toPlainText();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    window->Memo1->setFocus();
    window->Memo1->selectAll();
    if (!letters.isEmpty())
        QTest::keyClicks(window->Memo1, letters);
    else
        QTest::keyClick(window->Memo1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(window->Memo1->toPlainText(), before);
    QVERIFY(window->isVisible());
}

void TestLogbuch::escapeInMemoLeavesWindowOpen()
{
    showWithLog();
    window->Memo1->setFocus();
    QTest::keyClick(window->Memo1, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void TestLogbuch::enterRightAfterOpeningLeavesWindowOpen()
{
    showWithLog();
    QVERIFY(window->Button1->hasFocus());
    QTest::keyClick(window->Button1, Qt::Key_Return);
    QVERIFY(!window->isVisible());
}

void TestLogbuch::resizeBreaksLayout_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("as designed") << QSize(595, 334);
    QTest::newRow("larger") << QSize(800, 500);
    QTest::newRow("narrow") << QSize(300, 200);
}

// The memo fills the window but for its margins, the button stays centred below it and
// inside the window.
void TestLogbuch::resizeBreaksLayout()
{
    QFETCH(QSize, size);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->resize(size);
    QTRY_COMPARE(window->height(), size.height());
    // A window narrower than its row of buttons is not given.
    const int width = window->width();
    QCOMPARE(width, std::max(size.width(), window->minimumWidth()));
    const QRect memo = window->Memo1->geometry();
    const QRect button = window->Button1->geometry();
    QCOMPARE(memo.topLeft(), QPoint(7, 7));
    QCOMPARE(memo.width(), width - 14);
    QVERIFY(qAbs(button.center().x() - width / 2) <= 1);
    QVERIFY(button.top() > memo.bottom());
    QVERIFY(button.bottom() < size.height());
    QVERIFY(window->ViewButton->x() >= 0);
    QVERIFY(window->ClassButton->geometry().right() < width);
}

void TestLogbuch::viewerSizedPastItsLinesOrOffTheScreen_data()
{
    QTest::addColumn<QSize>("content");
    QTest::addColumn<QSize>("largest");
    QTest::addColumn<QSize>("inside");
    // The memo's frame and scroll bars take 20 pixels each way, "Schließen" is 65 x 20, and
    // the designed inside size is 595 x 334.
    QTest::newRow("a few short lines: as designed") << QSize(400, 100) << QSize(1366, 728) << QSize(595, 334);
    QTest::newRow("a long title: wider") << QSize(700, 100) << QSize(1366, 728) << QSize(734, 334);
    QTest::newRow("many lines: taller, up to the screen") << QSize(500, 2000) << QSize(1366, 728)
                                                          << QSize(595, 728);
    QTest::newRow("a long title on a small screen") << QSize(700, 100) << QSize(640, 440) << QSize(640, 334);
    QTest::newRow("lines just filling the height") << QSize(500, 267) << QSize(1366, 728) << QSize(595, 334);
    QTest::newRow("one line more") << QSize(500, 280) << QSize(1366, 728) << QSize(595, 347);
}

void TestLogbuch::viewerSizedPastItsLinesOrOffTheScreen()
{
    QFETCH(QSize, content);
    QFETCH(QSize, largest);
    QFETCH(QSize, inside);
    QCOMPARE(LogViewerInsideFor(content, QSize(20, 20), QSize(65, 20), QSize(595, 334), largest), inside);
}

// "Gemischte Aufgaben zum Zahlenstra…": the longest title was cut at the designed width.
void TestLogbuch::longLineCutWhileTheScreenHasRoom()
{
    const QString longest = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  "
                                           "Gemischte Aufgaben zum Zahlenstrahl");
    for (const QString &record : {Dec05, longest})
        QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), record).status, LogStatus::Done);
    window->ShowLogFile(QStringLiteral("bm.log"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->Memo1->horizontalScrollBar()->maximum(), 0);
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(screen.contains(window->frameGeometry()));
    // Never smaller than designed, the frame included.
    QVERIFY(window->frameGeometry().width() >= 595 && window->frameGeometry().height() >= 334);
}

void TestLogbuch::buttonsSitAtTheBottomWhateverTheFrame_data()
{
    QTest::addColumn<QSize>("inside");
    QTest::addColumn<QRect>("memo");
    QTest::addColumn<QPoint>("button");
    QTest::newRow("designed size without a frame") << QSize(595, 334) << QRect(7, 7, 581, 287) << QPoint(265, 304);
    QTest::newRow("designed outer size with a title bar")
        << QSize(587, 304) << QRect(7, 7, 573, 257) << QPoint(261, 274);
    QTest::newRow("small") << QSize(300, 120) << QRect(7, 7, 286, 73) << QPoint(117, 90);
}

// Margins counted from the outer edge left an empty band of some 40 pixels below the
// buttons of a window without a frame.
void TestLogbuch::buttonsSitAtTheBottomWhateverTheFrame()
{
    QFETCH(QSize, inside);
    QFETCH(QRect, memo);
    QFETCH(QPoint, button);
    const LogViewerLayout layout = LayOutLogViewer(inside, QSize(65, 20));
    QCOMPARE(layout.memo, memo);
    QCOMPARE(layout.closeButton, button);
}

void TestLogbuch::failedLogWriteNotReported()
{
    // Runs that cannot be written are kept in the account's data folder: here the test's own.
    QTemporaryDir dataHome;
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    SetLogSettings({QString(), directory->filePath(QStringLiteral("missing/")), true, 0});
    RunResult result;
    result.finishedAt = QDateTime::currentDateTime();
    result.rightCount = 3;
    result.title = QStringLiteral("Runde auf Zehner");
    MessageBoxCatcher catcher;
    LogFinishedRun(result);
    QTRY_COMPARE(catcher.shown, 1);
    QCOMPARE(catcher.text, QStringLiteral("Fehler beim Schreiben der Logdatei!\nUrsache: Ordner nicht gefunden\n\n")
                               + RunKeptMessage());

    // The run kept for the missing folder neither holds up nor spoils the next one.
    SetLogSettings({QString(), directory->path() + QLatin1Char('/'), true, 0});
    MessageBoxCatcher quiet;
    LogFinishedRun(result);
    QTRY_VERIFY(QFile::exists(directory->filePath(QStringLiteral("bm.log"))));
    QTest::qWait(200);
    QCOMPARE(quiet.shown, 0);
    QCOMPARE(KeptRuns().size(), 1);
    qunsetenv("XDG_DATA_HOME");
}

void TestLogbuch::progressViewNotReachableOrNotLeft()
{
    showWithLog();
    const QString text = window->Memo1->toPlainText();
    const QPoint closePosition = window->Button1->pos();
    QVERIFY(!window->ShowsProgress());
    QCOMPARE(window->ViewButton->text(), QStringLiteral("Verlauf"));

    QTest::mouseClick(window->ViewButton, Qt::LeftButton);
    QVERIFY(window->ShowsProgress());
    QVERIFY(!window->Memo1->isVisible());
    QVERIFY(window->ProgressPicture->isVisible());
    QCOMPARE(window->ProgressPage->geometry(), window->Memo1->geometry());
    QCOMPARE(window->ViewButton->text(), QStringLiteral("Protokoll"));
    QCOMPARE(window->Button1->pos(), closePosition);
    QCOMPARE(window->Button1->text(), QStringLiteral("Schließen"));
    QCOMPARE(window->ExerciseList->count(), 2);
    QCOMPARE(window->ExerciseList->itemText(0), QStringLiteral("Runde auf Zehner"));
    // The exercise practised last comes first.
    QCOMPARE(window->ExerciseList->currentText(), QStringLiteral("Zahlenstrahl bis 200"));
    QCOMPARE(window->ProgressPicture->chart().points.size(), 2);

    QTest::mouseClick(window->ViewButton, Qt::LeftButton);
    QVERIFY(!window->ShowsProgress());
    QVERIFY(window->Memo1->isVisible());
    QCOMPARE(window->Memo1->toPlainText(), text);

    // Every opening starts with the arranged log.
    QTest::mouseClick(window->ViewButton, Qt::LeftButton);
    window->ShowLogFile(QStringLiteral("bm.log"));
    QVERIFY(!window->ShowsProgress());
    QCOMPARE(window->Memo1->toPlainText(), text);
}

void TestLogbuch::exerciseListNotFollowed()
{
    showWithLog();
    window->ShowProgress(true);
    window->ExerciseList->setCurrentText(QStringLiteral("Runde auf Zehner"));
    QCOMPARE(window->ProgressPicture->chart().points.size(), 1);
    QVERIFY(window->NewestRunLabel->text().contains(QStringLiteral("05.12.26")));
    window->ExerciseList->setCurrentText(QStringLiteral("Zahlenstrahl bis 200"));
    QCOMPARE(window->ProgressPicture->chart().points.size(), 2);
    QVERIFY(window->NewestRunLabel->text().contains(QStringLiteral("07.12.26")));
}

void TestLogbuch::closingFromProgressViewFails_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Escape in the list") << true;
    QTest::newRow("Schließen") << false;
}

void TestLogbuch::closingFromProgressViewFails()
{
    QFETCH(bool, escape);
    showWithLog();
    QTest::mouseClick(window->ViewButton, Qt::LeftButton);
    QVERIFY(window->ExerciseList->hasFocus());
    if (escape)
        QTest::keyClick(window->ExerciseList, Qt::Key_Escape);
    else
        QTest::mouseClick(window->Button1, Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

void TestLogbuch::brokenRecordsBreakProgressView()
{
    for (const QString &record : {QStringLiteral("kaputt"), Dec05, QStringLiteral("07.12.26 11:08:51 12 ok"),
                                  QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch  180% 12,61 sec  Zu viel"),
                                  QString(80, QLatin1Char('#'))})
        QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), record).status, LogStatus::Done);
    window->ShowLogFile(QStringLiteral("bm.log"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->ShowProgress(true);
    QCOMPARE(window->ExerciseList->count(), 1);
    QCOMPARE(window->ExerciseList->currentText(), QStringLiteral("Runde auf Zehner"));
    QCOMPARE(window->ProgressPicture->chart().points.size(), 1);
    const QImage shot = window->grab().toImage();
    QVERIFY(!shot.isNull());
    SaveForTheTour(shot, QStringLiteral("logbuch-verlauf-ein-lauf"));
}

// A few weeks of practice as parents would look at them; the picture is saved for the
// tour, and the newest run's dot must stand where the layout puts it.
void TestLogbuch::progressPictureNotDrawnWhereLaidOut()
{
    const QDateTime start(QDate(2026, 10, 5), QTime(15, 30));
    const int shares[] = {42, 55, 48, 61, 66, 58, 72, 70, 81, 77, 86, 84, 92, 95};
    const double seconds[] = {14.2, 12.8, 13.5, 11.0, 10.4, 11.9, 9.1, 9.6, 8.0, 8.4, 6.9, 7.3, 5.8, 5.1};
    for (int i = 0; i < 14; ++i) {
        RunResult result;
        result.finishedAt = start.addDays(qint64(i) * 3).addSecs(qint64(i) * 1000);
        result.rightCount = shares[i] / 2;
        result.wrongCount = std::min(25, 50 - result.rightCount);
        result.totalThinkTime = seconds[i] * result.rightCount;
        result.title = QStringLiteral("Zahlenstrahl bis 1000");
        QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), LogRecordFor(result)).status, LogStatus::Done);
    }
    writeExampleLog();
    window->ShowLogFile(QStringLiteral("bm.log"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->ShowProgress(true);
    window->ExerciseList->setCurrentText(QStringLiteral("Zahlenstrahl bis 1000"));
    QCOMPARE(window->ProgressPicture->chart().points.size(), 14);

    const QImage shot = window->grab().toImage();
    SaveForTheTour(shot, QStringLiteral("logbuch-verlauf"));
    // The line about the newest run stands whole beside the list, not cut at the edge,
    // also for a run of 100 % with grade "1+".
    const QLabel *newestRun = window->NewestRunLabel;
    for (const QString &exercise : {QStringLiteral("Runde auf Zehner"), QStringLiteral("Zahlenstrahl bis 1000")}) {
        window->ExerciseList->setCurrentText(exercise);
        QCoreApplication::processEvents();
        const QRect needed = newestRun->fontMetrics().boundingRect(
            QRect(0, 0, newestRun->width(), 1000), newestRun->wordWrap() ? Qt::TextWordWrap : 0, newestRun->text());
        QVERIFY2(needed.width() <= newestRun->width() && needed.height() <= newestRun->height()
                     && newestRun->geometry().right() < window->ProgressPage->width(),
                 qPrintable(newestRun->text()));
    }
    const QImage picture = window->ProgressPicture->grab().toImage();
    const ProgressChart &chart = window->ProgressPicture->chart();
    const QPoint newest = chart.points.at(chart.newestIndex).share.toPoint();
    const QColor centre = picture.pixelColor(newest);
    QVERIFY2(centre.blue() > centre.red() + 60, qPrintable(centre.name()));
    // Behind the runs, the band of grade 6 stays light and reddish.
    const ChartBand &worst = chart.bands.last();
    const QColor band = picture.pixelColor(int(chart.plot.right()) - 4, int((worst.top + worst.bottom) / 2));
    QVERIFY2(band.red() > band.blue() && band.lightness() > 200, qPrintable(band.name()));
}

// Years of daily practice: the picture shows thinned runs, and still the newest one.
void TestLogbuch::longSeriesNotThinnedForThePicture()
{
    QList<ProgressPoint> series;
    const QDateTime start(QDate(2021, 9, 1), QTime(14, 0));
    for (int i = 0; i < 100000; ++i) {
        const int trend = std::min(95, 40 + i / 2000);
        series.append({start.addSecs(qint64(i) * 1500), std::clamp(trend + (i * 37) % 21 - 10, 0, 100),
                       std::max(2.0, 15.0 - i / 10000.0 + (i % 7))});
    }
    TVerlaufBild picture;
    picture.resize(581, 229);
    picture.setSeries(series);
    const ProgressChart &chart = picture.chart();
    QVERIFY(chart.points.size() < series.size() / 20);
    const QImage image = picture.grab().toImage();
    SaveForTheTour(image, QStringLiteral("verlauf-lang"));
    const QColor newest = image.pixelColor(chart.points.at(chart.newestIndex).share.toPoint());
    QVERIFY2(newest.blue() > newest.red() + 60, qPrintable(newest.name()));
}

void TestLogbuch::longLogFreezesTheWindowOrLosesLines()
{
    // Some 2 MiB: read on a worker thread while the window stays responsive.
    QByteArray stored;
    QStringList records;
    for (int i = 0; i < 30000; ++i) {
        records.append(QStringLiteral("%1.11.26 10:00:%2 12 ok   3 falsch   80% 12,61 sec  %3")
                           .arg(1 + i % 28, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0'))
                           .arg(AllKinds()[size_t(i % 7)].logTitle));
        stored += MaskLogText(records.last().toLatin1()) + "\r\n";
    }
    QFile log(directory->filePath(QStringLiteral("bm.log")));
    QVERIFY(log.open(QIODevice::WriteOnly));
    QCOMPARE(log.write(stored), stored.size());
    log.close();

    QElapsedTimer clock;
    clock.start();
    window->ShowLogFile(QStringLiteral("bm.log"));
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(!window->IsReading(), 60000);
    QCOMPARE(window->Memo1->toPlainText(), LogViewLines(records).join(QLatin1Char('\n')));
    // The runs for the picture are taken apart on the worker as well.
    QTRY_VERIFY_WITH_TIMEOUT(window->ViewButton->isEnabled(), 60000);
    window->ViewButton->click();
    QCOMPARE(window->ExerciseList->count(), 7);
}

void TestLogbuch::smallFileOfEmptyLinesFreezesTheWindow()
{
    // Under the size read while the window waits, but more lines than any log of that size.
    QByteArray stored;
    for (const QString &record : {Dec07, Dec05, Dec06})
        stored += MaskLogText(record.toLatin1()) + "\r\n";
    stored += QByteArray(1000000, '\n');
    QVERIFY(stored.size() < (1 << 20));
    QFile log(directory->filePath(QStringLiteral("bm.log")));
    QVERIFY(log.open(QIODevice::WriteOnly));
    QCOMPARE(log.write(stored), stored.size());
    log.close();

    window->ShowLogFile(QStringLiteral("bm.log"));
    QVERIFY(window->IsReading());
    QTRY_VERIFY_WITH_TIMEOUT(!window->IsReading(), 60000);
}

void TestLogbuch::copyLosesOrReordersLines()
{
    showWithLog();
    const QStringList lines = window->Memo1->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(lines.size() >= 4);
    // Picked from the bottom up, copied top down.
    QItemSelectionModel *selection = window->Memo1->selectionModel();
    selection->select(window->Memo1->model()->index(3, 0), QItemSelectionModel::Select);
    selection->select(window->Memo1->model()->index(0, 0), QItemSelectionModel::Select);
    const std::unique_ptr<QMenu> menu(window->Memo1->createStandardContextMenu());
    menu->actions().constFirst()->trigger();
    QCOMPARE(QApplication::clipboard()->text(), lines.at(0) + QLatin1Char('\n') + lines.at(3));

    menu->actions().constLast()->trigger();
    window->Memo1->copy();
    QCOMPARE(QApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));
}

void TestLogbuch::exportNotWrittenOrLogChanged()
{
    showWithLog();
    const QString logPath = directory->filePath(QStringLiteral("bm.log"));
    const QByteArray before = fileBytes(logPath);
    const QString tablePath = directory->filePath(QStringLiteral("tabelle.csv"));
    // An earlier table that others could read is replaced by one for the owner's eyes only.
    QFile earlier(tablePath);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.close();
    QVERIFY(earlier.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(window->ExportTo(tablePath));
    QCOMPARE(QFile::permissions(tablePath) & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray table = fileBytes(tablePath);
    QVERIFY(table.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(table.count("\r\n"), 4);
    QVERIFY(table.contains(";12,61;Zahlenstrahl bis 200\r\n"));
    QCOMPARE(fileBytes(logPath), before);
}

void TestLogbuch::exportOntoTheLogNotRefused()
{
    showWithLog();
    const QString logPath = directory->filePath(QStringLiteral("bm.log"));
    const QByteArray before = fileBytes(logPath);
    MessageBoxCatcher catcher;
    QVERIFY(!window->ExportTo(logPath));
    QCOMPARE(catcher.shown, 1);
    QCOMPARE(fileBytes(logPath), before);
}

void TestLogbuch::failedExportNotReported()
{
    showWithLog();
    MessageBoxCatcher catcher;
    QVERIFY(!window->ExportTo(directory->filePath(QStringLiteral("fehlt/tabelle.csv"))));
    QCOMPARE(catcher.shown, 1);
    QVERIFY(catcher.text.contains(QStringLiteral("konnte nicht geschrieben werden")));
}

void TestLogbuch::exportButtonNotAskingForAFile()
{
    showWithLog();
    QCOMPARE(window->ExportButton->text(), QStringLiteral("Exportieren…"));
    const QString tablePath = directory->filePath(QStringLiteral("auswahl.csv"));
    FileDialogCatcher catcher(tablePath);
    QTest::mouseClick(window->ExportButton, Qt::LeftButton);
    QCOMPARE(catcher.shown, 1);
    QCOMPARE(QFileInfo(catcher.suggested).fileName(), QStringLiteral("bm-export.csv"));
    QVERIFY(fileBytes(tablePath).contains("Datum;Uhrzeit;Richtig;Falsch;Prozent;Note;Bedenkzeit;"));
}

void TestLogbuch::toolkitTextsInEnglish()
{
    QVERIFY2(InstallGermanToolkitTexts(), "the toolkit's German translation is not installed");
    showWithLog();
    const std::unique_ptr<QMenu> menu(window->Memo1->createStandardContextMenu());
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    QVERIFY2(entries.contains(QStringLiteral("Kopieren")), qPrintable(entries.join(", ")));
    QVERIFY2(entries.contains(QStringLiteral("Alles auswählen")), qPrintable(entries.join(", ")));

    FileDialogCatcher catcher(directory->filePath(QStringLiteral("auswahl.csv")));
    QTest::mouseClick(window->ExportButton, Qt::LeftButton);
    QCOMPARE(catcher.shown, 1);
    QCOMPARE(catcher.acceptText.remove(QLatin1Char('&')), QStringLiteral("Speichern"));
}

QTEST_MAIN(TestLogbuch)
#include "tst_logbuch.moc"
