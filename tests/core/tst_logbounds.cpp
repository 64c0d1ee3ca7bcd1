// What a file in a child's folder can do to the program that reads or writes the log:
// a lock another process holds, and sizes no log can reach.

#include "log/LogFile.h"
#include "log/OpenedLog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <stdio.h>
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

    // What the viewer decides by the opened log's size and lines is the file it then reads,
    // whatever is put under the log's name in between.
    void sizeCheckedOnAnotherFileThanRead_data()
    {
        QTest::addColumn<QByteArray>("opened");
        QTest::addColumn<QByteArray>("putInItsPlace");   // renamed over the log once it is open
        QTest::addColumn<bool>("small");
        QTest::addColumn<int>("records");
        const QByteArray one = stored(Record);
        QTest::newRow("a small log swapped for a large one") << one.repeated(3) << one.repeated(20000) << true << 3;
        QTest::newRow("a large log swapped for a small one") << one.repeated(20000) << one.repeated(3) << false << 20000;
        QTest::newRow("under the byte limit, yet a million empty lines")
            << one.repeated(3) + QByteArray(1000000, '\n') << QByteArray() << false << 1000003;
        QTest::newRow("lines ending CR LF, CR or LF, each counted once")
            << one.repeated(50) + QByteArray(25, '\n') + QByteArray(25, '\r') << QByteArray() << true << 100;
        QTest::newRow("one line more than the line limit") << QByteArray(101, '\n') << QByteArray() << false << 101;
    }
    void sizeCheckedOnAnotherFileThanRead()
    {
        QFETCH(QByteArray, opened);
        QFETCH(QByteArray, putInItsPlace);
        QFETCH(bool, small);
        QFETCH(int, records);
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::WriteOnly));
        QCOMPARE(log.write(opened), opened.size());
        log.close();

        const std::unique_ptr<OpenedLog> open = OpenLogAt(logPath(), std::chrono::steady_clock::now());
        if (!putInItsPlace.isEmpty()) {
            const QString other = directory.filePath(QStringLiteral("other.log"));
            QFile swapped(other);
            QVERIFY(swapped.open(QIODevice::WriteOnly));
            QCOMPARE(swapped.write(putInItsPlace), putInItsPlace.size());
            swapped.close();
            QCOMPARE(::rename(QFile::encodeName(other).constData(), QFile::encodeName(logPath()).constData()), 0);
        }
        QCOMPARE(OpenedLogIsSmall(*open, qint64(1) << 20, 100), small);
        QStringList read;
        QCOMPARE(ReadOpenedLog(*open, read).status, LogStatus::Done);
        QCOMPARE(read.size(), records);
    }

    // The viewer keeps a log's records in one block, reserved by the size the log had when
    // it was opened: it holds the lines as they are read one by one, also when the log has
    // grown since, and a copy that is added to leaves the block it came from alone.
    void recordsInOneBlockDifferFromLines_data()
    {
        QTest::addColumn<QByteArray>("opened");
        QTest::addColumn<QByteArray>("appendedOnceOpen");
        const QByteArray one = stored(Record);
        QTest::newRow("empty log") << QByteArray() << QByteArray();
        QTest::newRow("empty lines and a last line without line end")
            << one + "\r\n\n" + one.left(20) << QByteArray();
        QTest::newRow("a line longer than any record is kept") << QByteArray(10000, 'x') + "\n" + one << QByteArray();
        QTest::newRow("grown past its size when opened") << one << one.repeated(3000);
    }
    void recordsInOneBlockDifferFromLines()
    {
        QFETCH(QByteArray, opened);
        QFETCH(QByteArray, appendedOnceOpen);
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::WriteOnly));
        QCOMPARE(log.write(opened), opened.size());
        log.close();
        const std::unique_ptr<OpenedLog> open = OpenLogAt(logPath(), std::chrono::steady_clock::now());
        QVERIFY(log.open(QIODevice::Append));
        QCOMPARE(log.write(appendedOnceOpen), appendedOnceOpen.size());
        log.close();

        QStringList lines;
        QCOMPARE(ReadOpenedLog(*open, lines).status, LogStatus::Done);
        LogRecords block;
        QCOMPARE(ReadOpenedLog(*open, block).status, LogStatus::Done);
        QCOMPARE(block.toList(), lines);
        LogRecords copy = block;
        copy.append(u"neu");
        QCOMPARE(block.toList(), lines);
        QCOMPARE(copy.toList(), lines + QStringList{QStringLiteral("neu")});
    }
};

QTEST_GUILESS_MAIN(TestLogBounds)
#include "tst_logbounds.moc"
