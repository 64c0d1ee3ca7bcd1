// Runs kept on this computer while their log cannot take them: none may be lost, doubled
// or delivered out of order.

#include "log/RunSpool.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Record = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200");

QStringList recordsWithTitles(const QStringList &titles)
{
    QStringList records;
    for (const QString &title : titles)
        records.append(Record.left(52) + title);
    return records;
}

} // namespace

class TestKeptRuns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keptRunsLostDoubledOrReordered_data();
    void keptRunsLostDoubledOrReordered();
    void runWrittenIntoEmptyMountPoint();

private:
    QTemporaryDir dataHome;
};

void TestKeptRuns::initTestCase()
{
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
}

void TestKeptRuns::keptRunsLostDoubledOrReordered_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("folderThereAtFirst");
    QTest::addColumn<bool>("strandedRunBefore");
    QTest::addColumn<bool>("firstArrivedAfterAll");
    QTest::addColumn<bool>("writeReportedFailed");
    const QStringList one{QStringLiteral("Zahlenstrahl bis 200")};
    const QStringList three{QStringLiteral("Runde auf Zehner"), QStringLiteral("Zahlenstrahl bis 200"),
                            QStringLiteral("Römische Zahlen")};
    QTest::newRow("log takes the run at once") << one << true << false << false << false;
    QTest::newRow("folder gone, then back") << one << false << false << false << false;
    QTest::newRow("three runs while the folder is gone") << three << false << false << false << false;
    QTest::newRow("a folder gone for good holds up another's runs") << three << false << true << false << false;
    // Its write was reported failed, but the server had it: delivered again, it is doubled.
    QTest::newRow("a run that arrived after all") << three << true << false << true << false;
    // The server took each record but did not confirm it: reported as failed and kept.
    QTest::newRow("a write reported failed that reached the log") << three << true << false << false << true;
}

void TestKeptRuns::keptRunsLostDoubledOrReordered()
{
    QFETCH(QStringList, titles);
    QFETCH(bool, folderThereAtFirst);
    QFETCH(bool, strandedRunBefore);
    QFETCH(bool, firstArrivedAfterAll);
    QFETCH(bool, writeReportedFailed);
    const RecordAppender unconfirmed = [](const QString &directory, const QString &fileName, const QString &record) {
        AppendLogLineIn(directory, fileName, record);
        return LogOutcome{LogStatus::IoError, QStringLiteral("Ob die Logdatei das Ergebnis erhalten hat, ist nicht sicher")};
    };
    const RecordAppender append = writeReportedFailed ? unconfirmed : RecordAppender(AppendLogLineIn);
    QTemporaryDir server;
    QVERIFY(server.isValid());
    const QString folder = server.filePath(QStringLiteral("anna"));
    if (folderThereAtFirst)
        QVERIFY(QDir().mkdir(folder));
    const QStringList records = recordsWithTitles(titles);
    if (firstArrivedAfterAll)
        QCOMPARE(AppendLogLineIn(folder + QLatin1Char('/'), QStringLiteral("bm.log"), records.first()).status,
                 LogStatus::Done);
    const QList<KeptRun> stranded{{server.filePath(QStringLiteral("weg/")), Record}};
    if (strandedRunBefore)
        QVERIFY(KeepRun(stranded.first()));
    QList<KeptRun> runs = strandedRunBefore ? stranded : QList<KeptRun>();
    for (const QString &record : records) {
        runs.append({folder + QLatin1Char('/'), record});
        QVERIFY(KeepRun(runs.last()));
        if (!folderThereAtFirst) {
            QCOMPARE(DeliverKeptRuns(folder + QLatin1Char('/')).status, LogStatus::CannotOpen);
            QCOMPARE(KeptRuns(), runs);
        }
    }
    QVERIFY(QDir().mkpath(folder));

    QCOMPARE(DeliverKeptRuns(folder + QLatin1Char('/'), append).status, LogStatus::Done);
    QCOMPARE(KeptRuns(), strandedRunBefore ? stranded : QList<KeptRun>());
    QCOMPARE(QFile::exists(KeptRunsPath()), strandedRunBefore);
    QStringList logged;
    QCOMPARE(ReadLogFileAt(folder + QStringLiteral("/bm.log"), logged).status, LogStatus::Done);
    QCOMPARE(logged, records);
    // Delivering again finds nothing left to double.
    QCOMPARE(DeliverKeptRuns(folder + QLatin1Char('/'), append).status, LogStatus::Done);
    logged.clear();
    QCOMPARE(ReadLogFileAt(folder + QStringLiteral("/bm.log"), logged).status, LogStatus::Done);
    QCOMPARE(logged, records);
    QVERIFY(QFile::remove(KeptRunsPath()) || !strandedRunBefore);
}

// A child's folder found through the school's folder, whose mount point is empty and
// writable: the folder she made there looks like hers, but no teacher ever reads it.
void TestKeptRuns::runWrittenIntoEmptyMountPoint()
{
    QTemporaryDir mountPoint;
    QVERIFY(mountPoint.isValid());
    const QString folder = mountPoint.filePath(QStringLiteral("klasse-3b/anna/"));
    QVERIFY(QDir().mkpath(folder));
    const KeptRun run{folder, Record, mountPoint.path()};
    QVERIFY(KeepRun(run));
    QCOMPARE(DeliverKeptRuns(folder).status, LogStatus::CannotOpen);
    QCOMPARE(AppendRun(run).status, LogStatus::CannotOpen);
    QVERIFY(!QFile::exists(folder + QStringLiteral("bm.log")));
    // Kept with its school's folder, so that it is checked again when it is delivered.
    QCOMPARE(KeptRuns(), QList<KeptRun>{run});
    QVERIFY(QFile::remove(KeptRunsPath()));
}

QTEST_GUILESS_MAIN(TestKeptRuns)
#include "tst_keptruns.moc"
