// Two copies of the program ending runs at the same moment against one log directory:
// every record of both must arrive whole.

#include "helpers/HelperRun.h"
#include "log/LogFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

constexpr int RecordsPerCopy = 200;
// The superuser writes through read-only modes; the copies then run as this user instead.
constexpr uid_t Nobody = 65534;
const QByteArray OlderFormLog = "06.12.26 09:30:00  5 ok   9 falsch   35%  8,00 sec  Zahlenstrahl bis 200\r\n";

} // namespace

class TestLogConcurrency : public QObject
{
    Q_OBJECT

private slots:
    void concurrentAppendsLoseOrTearRecords_data();
    void concurrentAppendsLoseOrTearRecords();
};

void TestLogConcurrency::concurrentAppendsLoseOrTearRecords_data()
{
    QTest::addColumn<QByteArray>("storedBefore");
    QTest::addColumn<QStringList>("recordsBefore");
    QTest::newRow("no log yet") << QByteArray() << QStringList();
    QTest::newRow("older form moved aside by one of them") << OlderFormLog << QStringList();
    QTest::newRow("masked log")
        << QByteArray(MaskLogText(OlderFormLog.chopped(2)) + "\r\n")
        << QStringList{QString::fromLatin1(OlderFormLog.chopped(2))};
}

void TestLogConcurrency::concurrentAppendsLoseOrTearRecords()
{
    QFETCH(QByteArray, storedBefore);
    QFETCH(QStringList, recordsBefore);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString logPath = directory.filePath(QStringLiteral("bm.log"));
    if (!storedBefore.isEmpty()) {
        QFile log(logPath);
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write(storedBefore);
        log.close();
        QVERIFY(log.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }
    if (::geteuid() == 0) {
        QCOMPARE(::chown(QFile::encodeName(directory.path()).constData(), Nobody, Nobody), 0);
        if (QFile::exists(logPath))
            QCOMPARE(::chown(QFile::encodeName(logPath).constData(), Nobody, Nobody), 0);
    }
    const QString startSignal = directory.filePath(QStringLiteral("start"));
    const QStringList names{QStringLiteral("Erste Kopie"), QStringLiteral("Zweite Kopie")};

    QList<QProcess *> copies;
    for (const QString &name : names) {
        auto *copy = new QProcess(this);
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(qEnvironmentVariable("BRIMBELO_TEST_HELPERS") + QStringLiteral("/log_append_helper"),
                    {directory.path() + QLatin1Char('/'), name, QString::number(RecordsPerCopy), startSignal});
        QVERIFY(copy->waitForStarted());
        copies.append(copy);
    }
    QFile signal(startSignal);
    QVERIFY(signal.open(QIODevice::WriteOnly));
    signal.close();
    for (QProcess *copy : copies) {
        QVERIFY(copy->waitForFinished(120000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        delete copy;
    }

    SetLogSettings({QString(), directory.path() + QLatin1Char('/'), true, 0});
    QStringList records;
    QCOMPARE(ReadLogFile(QStringLiteral("bm.log"), records).status, LogStatus::Done);
    QCOMPARE(records.size(), recordsBefore.size() + names.size() * RecordsPerCopy);
    QCOMPARE(records.mid(0, recordsBefore.size()), recordsBefore);
    QMultiHash<QString, int> seen;
    for (int i = 0; i < records.size(); ++i)
        seen.insert(records.at(i), i);
    for (const QString &name : names) {
        int previousPosition = -1;
        for (int i = 0; i < RecordsPerCopy; ++i) {
            const QList<int> positions = seen.values(LogRecordFor(HelperRun(name, i)));
            QCOMPARE(positions.size(), 1);
            // One copy's records stay in the order it wrote them.
            QVERIFY(positions.first() > previousPosition);
            previousPosition = positions.first();
        }
    }
    const QString oldPath = directory.filePath(QStringLiteral("Oldbm.log"));
    QCOMPARE(QFile::exists(oldPath), storedBefore == OlderFormLog);
    if (storedBefore == OlderFormLog) {
        QFile old(oldPath);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), OlderFormLog);
    }
}

QTEST_GUILESS_MAIN(TestLogConcurrency)
#include "tst_logconcurrency.moc"
