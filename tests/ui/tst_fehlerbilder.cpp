// The window "Fehlerbilder" over a small class: the mistakes per child and kind with
// counts and examples, the class's most frequent ones, a child's answers on a
// double-click, and the export.

#include "TourPictures.h"
#include "log/AnswerRecord.h"
#include "log/LogExport.h"
#include "log/widgets/TFehlerbilder.h"
#include "log/widgets/Workers.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <utility>

namespace {

AnsweredTask writing(qint32 attempt, const char *words, qint32 expected, qint32 given)
{
    return {QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)), 201, attempt, QString::fromUtf8(words), expected, given,
            2.0};
}

} // namespace

class TestFehlerbilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(classFolder.isValid() && elsewhere.isValid());
        QVERIFY(QDir(classFolder.path()).mkpath(QStringLiteral("ben")));
        SetLogSettings({QString(), classFolder.filePath(QStringLiteral("ben/")), true, 0});
        for (const AnsweredTask &answer :
             {writing(1, "dreiundvierzig", 43, 34), writing(2, "dreiundvierzig", 43, 43),
              writing(1, "dreihundertfünf", 305, 3005), writing(2, "dreihundertfünf", 305, 305)})
            QCOMPARE(LogAnsweredTask(answer).status, LogStatus::Done);
        window.ShowClass(classFolder.path());
        // Nothing half-read is shown or exported while the worker reads.
        QVERIFY(window.IsReading());
        QCOMPARE(window.ClassLabel->text(), QStringLiteral("Die Antworten werden gelesen …"));
        QVERIFY(!window.ExportButton->isEnabled());
        QTRY_VERIFY(!window.IsReading());
        QVERIFY(window.ExportButton->isEnabled());
    }

    void mistakesNotShownPerChildAndKind()
    {
        QCOMPARE(window.Tree->topLevelItemCount(), 1);
        const QTreeWidgetItem *ben = window.Tree->topLevelItem(0);
        QCOMPARE(ben->text(0), QStringLiteral("ben"));
        QCOMPARE(ben->childCount(), 1);
        const QTreeWidgetItem *kind = ben->child(0);
        QCOMPARE(kind->text(0), QStringLiteral("Schreibe Zahlen bis 1000"));
        QCOMPARE(kind->text(1), QStringLiteral("2"));
        QCOMPARE(kind->text(2), QStringLiteral("2"));
        QCOMPARE(kind->text(3),
                 QStringLiteral("Zahlendreher 1: dreiundvierzig → 34 · Stellenwert 1: dreihundertfünf → 3 005"));
        QCOMPARE(window.ClassLabel->text(),
                 QStringLiteral("In der Klasse am häufigsten: Zahlendreher 1, Stellenwert 1"));
        SaveForTheTour(window.grab().toImage(), QStringLiteral("fehlerbilder"));
    }

    void doubleClickNotListingTheChildsAnswers()
    {
        // The workers are kept busy until the answers' window has been looked at.
        QSemaphore held;
        const int workers = LogReadingWorkers().maxThreadCount();
        for (int i = 0; i < workers; ++i)
            LogReadingWorkers().start([&held] { held.acquire(); });
        QStringList listed;
        QString whileRead;
        QTimer::singleShot(0, [&] {
            QWidget *answers = QApplication::activeModalWidget();
            // Whatever fails below, the workers go on and the answers' window closes.
            bool released = false;
            const auto release = [&] {
                if (!std::exchange(released, true))
                    held.release(workers);
            };
            const auto finish = qScopeGuard([&] {
                release();
                if (answers != nullptr && answers != &window)
                    answers->close();
            });
            QVERIFY(answers != nullptr && answers != &window);
            const QListWidget *list = answers->findChild<QListWidget *>();
            QVERIFY(list != nullptr && list->count() > 0);
            // The window stands at once; the answers are read on a worker meanwhile.
            whileRead = list->item(0)->text();
            release();
            QTRY_VERIFY(list->item(0)->text() != whileRead);
            for (int row = 0; row < list->count(); ++row)
                listed.append(list->item(row)->text());
        });
        QTreeWidgetItem *kind = window.Tree->topLevelItem(0)->child(0);
        emit window.Tree->itemDoubleClicked(kind, 0);
        QCOMPARE(whileRead, QStringLiteral("Die Antworten werden gelesen …"));
        QCOMPARE(listed.size(), 4);
        QCOMPARE(listed.last(), QStringLiteral("07.12.2026 10:00 · Schreibe Zahlen bis 1000 · Versuch 1 · "
                                               "dreiundvierzig → 34 (richtig: 43) · Zahlendreher"));
    }

    void answersStillKeptAfterTheirWindowClosed_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("lines");
        QTest::newRow("window open") << false << 4;
        QTest::newRow("window closed") << true << 0;
    }

    void answersStillKeptAfterTheirWindowClosed()
    {
        QFETCH(bool, closed);
        QFETCH(int, lines);
        const std::atomic_bool stop = closed;
        const ChildAnswerLines read = ReadChildAnswerLines(classFolder.path(), QStringLiteral("ben"), stop);
        QCOMPARE(read.outcome.status, LogStatus::Done);
        QCOMPARE(read.lines.size(), lines);
    }

    void exportNotWrittenForTheOwnerAlone()
    {
        const QString path = elsewhere.filePath(QStringLiteral("fehlerbilder.csv"));
        QVERIFY(window.ExportTo(path));
        QFile table(path);
        QVERIFY(table.open(QIODevice::ReadOnly));
        QCOMPARE(table.readAll(), CsvTable(ClassMistakeRows(ReadClassMistakes(classFolder.path()))));
        QCOMPARE(table.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

private:
    QTemporaryDir classFolder;
    QTemporaryDir elsewhere;
    TFehlerbilder window;
};

QTEST_MAIN(TestFehlerbilder)
#include "tst_fehlerbilder.moc"
