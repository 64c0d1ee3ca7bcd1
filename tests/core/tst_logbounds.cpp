// What a file in a child's folder can do to the program that reads or writes the log:
// a lock another process holds, and sizes no log can reach.

#include "log/LogFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString Record = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200");

QByteArray stored(const QString &record)
{
    QByteArray bytes = record.toLatin1();
    for (char &c : bytes)
        c = char(c ^ 0x0E);
    return bytes + "\r\n";
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TestLogBounds : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir directory;
    QString logPath() const { return directory.filePath(QStringLiteral("bm.log")); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        SetLogSettings({QString(), directory.path() + QLatin1Char('/'), true, 0});
    }
    void init() { QFile::remove(logPath()); }

    void lockHeldElsewhereFreezesTheWindow()
    {
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write(stored(Record));
        log.close();
        QProcess holder;
        holder.start(qEnvironmentVariable("BRIMBELO_TEST_HELPERS") + QStringLiteral("/lock_holder"), {logPath()});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

        QElapsedTimer clock;
        clock.start();
        QStringList records;
        QCOMPARE(ReadLogFile(QStringLiteral("bm.log"), records).status, LogStatus::Done);
        const qint64 reading = clock.restart();
        const LogOutcome written = AppendLogLine(QStringLiteral("bm.log"), Record);
        const qint64 writing = clock.elapsed();
        holder.kill();
        holder.waitForFinished(5000);

        QCOMPARE(records, QStringList{Record});
        QVERIFY2(reading < 500, qPrintable(QString::number(reading)));
        QCOMPARE(LogOutcomeMessage(written),
                 QStringLiteral("Fehler beim Schreiben der Logdatei!\nUrsache: die Datei ist gesperrt"));
        QVERIFY2(writing >= 1900 && writing < 4000, qPrintable(QString::number(writing)));
        QCOMPARE(contents(logPath()), stored(Record));
    }

    void logOfNoPossibleSizeExhaustsMemory_data()
    {
        QTest::addColumn<QByteArray>("written");   // stored first ...
        QTest::addColumn<qint64>("size");           // ... then the file is made this long
        QTest::addColumn<QString>("told");
        QTest::newRow("2 GiB that take no room") << QByteArray() << (qint64(2) << 30) << "Sie ist 2048,0 MB groß";
        QTest::newRow("32 MiB that take no room") << stored(Record) << (qint64(32) << 20)
                                                  << "Sie ist 32,0 MB groß, belegt auf dem Datenträger aber nur";
        const QByteArray one = stored(Record);
        QTest::newRow("65 MiB of records") << one.repeated((65 << 20) / one.size() + 1) << qint64(-1)
                                           << "Sie ist 65,0 MB groß; gelesen werden höchstens 64,0 MB.";
        QTest::newRow("more line ends than records fit") << QByteArray(1300000, '\n') << qint64(-1)
                                                         << "Sie hat mehr als";
    }
    void logOfNoPossibleSizeExhaustsMemory()
    {
        QFETCH(QByteArray, written);
        QFETCH(qint64, size);
        QFETCH(QString, told);
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::WriteOnly));
        QCOMPARE(log.write(written), written.size());
        if (size >= 0)
            QVERIFY(log.resize(size));
        log.close();

        QStringList records;
        const LogOutcome outcome = ReadLogFile(QStringLiteral("bm.log"), records);

        QCOMPARE(outcome.status, LogStatus::NotRead);
        QVERIFY(records.isEmpty());
        QVERIFY2(LogOutcomeMessage(outcome).startsWith(QStringLiteral("Die Protokolldatei wird nicht gelesen.\n") + told),
                 qPrintable(LogOutcomeMessage(outcome)));
    }
};

QTEST_GUILESS_MAIN(TestLogBounds)
#include "tst_logbounds.moc"
