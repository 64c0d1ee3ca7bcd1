// The log viewer window: what it shows, how it is laid out, and that the child can only
// look at the log and close the window.

#include "log/TLogbuch.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void missingLogNotReported();
    void emptyLogReported();
    void memoNotSetUpForReading();
    void typingChangesMemoOrClosesWindow_data();
    void typingChangesMemoOrClosesWindow();
    void escapeInMemoLeavesWindowOpen();
    void enterRightAfterOpeningLeavesWindowOpen();
    void resizeBreaksLayout_data();
    void resizeBreaksLayout();
    void failedLogWriteNotReported();
};

void TestLogbuch::logNotShownArranged()
{
    showWithLog();
    QCOMPARE(window->windowTitle(), QStringLiteral("bm.log"));
    const QStringList expected{
        QStringLiteral("05.12.26  20 ok   0 falsch  100% Note: 1+  4,75 sec  Runde auf Zehner"),
        QString(),
        QStringLiteral("06.12.26   5 ok   9 falsch   35% Note: 5-  8,00 sec  Zahlenstrahl bis 200"),
        QStringLiteral("07.12.26  12 ok   3 falsch   80% Note: 3+ 12,61 sec  Zahlenstrahl bis 200"),
    };
    QCOMPARE(window->Memo1->toPlainText().split(QLatin1Char('\n')), expected);
    if (qEnvironmentVariableIsSet("BM_SHOTS"))
        window->grab().save(qEnvironmentVariable("BM_SHOTS") + QStringLiteral("/logbuch.png"));
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
    QCOMPARE(window->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
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
    QTest::addColumn<QRect>("memo");
    QTest::addColumn<QPoint>("button");
    QTest::newRow("as designed") << QSize(595, 334) << QRect(7, 7, 581, 257) << QPoint(265, 274);
    QTest::newRow("larger") << QSize(800, 500) << QRect(7, 7, 786, 423) << QPoint(367, 440);
    QTest::newRow("narrow") << QSize(300, 200) << QRect(7, 7, 286, 123) << QPoint(117, 140);
}

void TestLogbuch::resizeBreaksLayout()
{
    QFETCH(QSize, size);
    QFETCH(QRect, memo);
    QFETCH(QPoint, button);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->resize(size);
    QTRY_COMPARE(window->size(), size);
    QCOMPARE(window->Memo1->geometry(), memo);
    QCOMPARE(window->Button1->pos(), button);
    QVERIFY(window->Button1->geometry().top() > window->Memo1->geometry().bottom());
}

void TestLogbuch::failedLogWriteNotReported()
{
    SetLogSettings({QString(), directory->filePath(QStringLiteral("missing/")), true, 0});
    RunResult result;
    result.finishedAt = QDateTime::currentDateTime();
    result.rightCount = 3;
    result.title = QStringLiteral("Runde auf Zehner");
    MessageBoxCatcher catcher;
    LogFinishedRun(result);
    QCOMPARE(catcher.shown, 1);
    QCOMPARE(catcher.text, QStringLiteral("Fehler beim Schreiben der Logdatei!"));

    SetLogSettings({QString(), directory->path() + QLatin1Char('/'), true, 0});
    MessageBoxCatcher quiet;
    LogFinishedRun(result);
    QCOMPARE(quiet.shown, 0);
    QVERIFY(QFile::exists(directory->filePath(QStringLiteral("bm.log"))));
}

QTEST_MAIN(TestLogbuch)
#include "tst_logbuch.moc"
