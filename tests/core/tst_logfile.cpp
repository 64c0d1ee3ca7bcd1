// Writing and reading the result log on disk: creation, appending to a read-only log,
// moving the older unmasked form aside, line ends, failures and which runs are logged.

#include "log/LogFile.h"
#include "log/LogView.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Record = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200");
const QString Other = QStringLiteral("05.12.26 10:01:02 20 ok   0 falsch  100%  4,75 sec  Runde auf Zehner");
const QByteArray OlderFormLog = "06.12.26 09:30:00  5 ok   9 falsch   35%  8,00 sec  Zahlenstrahl bis 200\r\n";

QByteArray masked(const QByteArray &text)
{
    QByteArray result = text;
    for (char &c : result)
        c = char(c ^ 0x0E);
    return result;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString &path, const QByteArray &bytes, mode_t mode)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

mode_t modeOf(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return mode_t(-1);
    return status.st_mode & 07777;
}

// A read-only file system at path holding a log, if this machine lets us mount one: root
// may write anywhere else, whatever the modes say.
bool mountReadOnlyWithLog(const QString &path, const QByteArray &log)
{
    const QByteArray target = QFile::encodeName(path);
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0)
        return false;
    if (!log.isNull())
        writeFile(path + QStringLiteral("/bm.log"), log, 0444);
    return ::mount("tmpfs", target.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
}

RunResult run(qint32 right, qint32 wrong)
{
    RunResult result;
    result.finishedAt = QDateTime(QDate(2026, 12, 7), QTime(11, 8, 51));
    result.rightCount = right;
    result.wrongCount = wrong;
    result.totalThinkTime = 20.0;
    result.title = QStringLiteral("Runde auf Zehner");
    return result;
}

} // namespace

class TestLogFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *directory = nullptr;
    QString logPath() const { return directory->filePath(QStringLiteral("bm.log")); }
    QString oldPath() const { return directory->filePath(QStringLiteral("Oldbm.log")); }
    QStringList readBack()
    {
        QStringList lines;
        const LogOutcome outcome = ReadLogFile(QStringLiteral("bm.log"), lines);
        if (outcome.status != LogStatus::Done)
            return {QStringLiteral("(read failed)")};
        return lines;
    }

private slots:
    void initTestCase()
    {
        ::umask(022);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void init()
    {
        directory = new QTemporaryDir;
        QVERIFY(directory->isValid());
        SetLogSettings({QString(), directory->path() + QLatin1Char('/'), true, 0});
    }
    void cleanup()
    {
        delete directory;
        directory = nullptr;
        SetLogSettings({});
    }

    void newLogNotMaskedOrNotReadOnly();
    void appendToReadOnlyLogLosesRecordsOrModes_data();
    void appendToReadOnlyLogLosesRecordsOrModes();
    void olderFormNotMovedAside_data();
    void olderFormNotMovedAside();
    void existingOldLogOverwrittenOrRunLost();
    void missingDirectoryNotReported();
    void missingLogNotReported();
    void unwritableLogGivesWrongBox_data();
    void unwritableLogGivesWrongBox();
    void logNotPlainFileFollowedOrReported_data();
    void logNotPlainFileFollowedOrReported();
    void linkedOldLogFollowed();
    void tornLastLineSwallowsRecord_data();
    void tornLastLineSwallowsRecord();
    void lineEndsMisread();
    void umlautNotOneByte();
    void controlCharactersTearRecord();
    void wrongRunsLogged_data();
    void wrongRunsLogged();
};

void TestLogFile::newLogNotMaskedOrNotReadOnly()
{
    QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), Record).status, LogStatus::Done);
    QCOMPARE(contents(logPath()), masked(Record.toLatin1()) + "\r\n");
    QCOMPARE(modeOf(logPath()), mode_t(0444));
    QCOMPARE(readBack(), QStringList{Record});
}

void TestLogFile::appendToReadOnlyLogLosesRecordsOrModes_data()
{
    QTest::addColumn<int>("modeBefore");
    QTest::addColumn<int>("modeAfter");
    QTest::newRow("read-only") << 0444 << 0444;
    QTest::newRow("read-only, others only") << 0404 << 0404;
    QTest::newRow("writable, group read") << 0640 << 0440;
    QTest::newRow("set-group-id kept") << 02664 << 02444;
}

void TestLogFile::appendToReadOnlyLogLosesRecordsOrModes()
{
    QFETCH(int, modeBefore);
    QFETCH(int, modeAfter);
    writeFile(logPath(), masked(Record.toLatin1()) + "\r\n" + masked(Other.toLatin1()) + "\r\n", mode_t(modeBefore));
    QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), Record).status, LogStatus::Done);
    QCOMPARE(readBack(), (QStringList{Record, Other, Record}));
    QCOMPARE(modeOf(logPath()), mode_t(modeAfter));
    QVERIFY(!QFile::exists(oldPath()));
}

void TestLogFile::olderFormNotMovedAside_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("modeBefore");
    QTest::addColumn<bool>("movedAside");
    QTest::addColumn<int>("oldModeAfter");
    QTest::addColumn<int>("logModeAfter");
    QTest::newRow("plain date") << OlderFormLog << 0644 << true << 0644 << 0444;
    QTest::newRow("plain date, read-only") << OlderFormLog << 0444 << true << 0644 << 0444;
    QTest::newRow("plain date, group write") << OlderFormLog << 0460 << true << 0660 << 0440;
    QTest::newRow("full stop after a short first line") << QByteArray("a\r.bc\r\n") << 0444 << false << 0 << 0444;
    QTest::newRow("two characters only") << QByteArray("ab\r\n") << 0444 << false << 0 << 0444;
    QTest::newRow("empty log") << QByteArray() << 0644 << false << 0 << 0444;
}

void TestLogFile::olderFormNotMovedAside()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, modeBefore);
    QFETCH(bool, movedAside);
    QFETCH(int, oldModeAfter);
    QFETCH(int, logModeAfter);
    writeFile(logPath(), stored, mode_t(modeBefore));

    QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), Record).status, LogStatus::Done);

    QCOMPARE(modeOf(logPath()), mode_t(logModeAfter));
    if (movedAside) {
        QCOMPARE(contents(oldPath()), stored);
        QCOMPARE(modeOf(oldPath()), mode_t(oldModeAfter));
        QCOMPARE(contents(logPath()), masked(Record.toLatin1()) + "\r\n");
    } else {
        QVERIFY(!QFile::exists(oldPath()));
        QCOMPARE(contents(logPath()), stored + masked(Record.toLatin1()) + "\r\n");
    }
}

void TestLogFile::existingOldLogOverwrittenOrRunLost()
{
    // Moved aside to the first free name; every earlier log stays as it was.
    writeFile(logPath(), OlderFormLog, 0444);
    writeFile(oldPath(), "earlier log\r\n", 0644);
    writeFile(directory->filePath(QStringLiteral("Oldbm-2.log")), "second log\r\n", 0644);

    QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), Record).status, LogStatus::Done);

    QCOMPARE(readBack(), QStringList{Record});
    QCOMPARE(contents(oldPath()), QByteArray("earlier log\r\n"));
    QCOMPARE(contents(directory->filePath(QStringLiteral("Oldbm-2.log"))), QByteArray("second log\r\n"));
    QCOMPARE(contents(directory->filePath(QStringLiteral("Oldbm-3.log"))), OlderFormLog);
}

void TestLogFile::missingDirectoryNotReported()
{
    SetLogSettings({QString(), directory->filePath(QStringLiteral("nowhere/")), true, 0});
    const LogOutcome outcome = AppendLogLine(QStringLiteral("bm.log"), Record);
    QCOMPARE(outcome.status, LogStatus::CannotOpen);
    QCOMPARE(LogOutcomeMessage(outcome), QStringLiteral("Fehler beim Schreiben der Logdatei!\nUrsache: Ordner nicht gefunden"));
    QVERIFY(!QFileInfo::exists(directory->filePath(QStringLiteral("nowhere"))));
}

void TestLogFile::missingLogNotReported()
{
    // A log in the working directory does not count when no directory is configured.
    writeFile(logPath(), masked(Record.toLatin1()), 0644);
    const QString startedIn = QDir::currentPath();
    QVERIFY(QDir::setCurrent(directory->path()));
    SetLogSettings({});
    QStringList lines;
    const LogStatus read = ReadLogFile(QStringLiteral("bm.log"), lines).status;
    const LogStatus written = AppendLogLine(QStringLiteral("bm.log"), Record).status;
    QVERIFY(QDir::setCurrent(startedIn));
    QCOMPARE(read, LogStatus::Missing);
    QCOMPARE(written, LogStatus::CannotOpen);
    QCOMPARE(contents(logPath()), masked(Record.toLatin1()));

    QVERIFY(QFile::remove(logPath()));
    SetLogSettings({QString(), directory->path() + QLatin1Char('/'), true, 0});
    const LogOutcome outcome = ReadLogFile(QStringLiteral("bm.log"), lines);
    QCOMPARE(outcome.status, LogStatus::Missing);
    QCOMPARE(LogOutcomeMessage(outcome), QStringLiteral("Keine Protokolldatei vorhanden!"));
    QVERIFY(lines.isEmpty());
    QVERIFY(LogOutcomeMessage(LogOutcome{}).isEmpty());
}

void TestLogFile::unwritableLogGivesWrongBox_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QByteArray>("log");
    const QByteArray none;
    const QByteArray existing = masked(Other.toLatin1()) + "\r\n";
    QTest::newRow("folder without rights") << "locked" << "keine Berechtigung" << none;
    QTest::newRow("folder without rights, log inside") << "locked" << "keine Berechtigung" << existing;
    QTest::newRow("log folder is a file") << "file" << "ein Teil des Pfades ist kein Ordner" << none;
    QTest::newRow("read-only file system") << "mount" << "Datenträger ist schreibgeschützt" << none;
    QTest::newRow("read-only file system, log inside") << "mount" << "Datenträger ist schreibgeschützt" << existing;
}

void TestLogFile::unwritableLogGivesWrongBox()
{
    QFETCH(QString, place);
    QFETCH(QString, cause);
    QFETCH(QByteArray, log);
    const QString folder = directory->filePath(place);
    if (place == QLatin1String("file")) {
        writeFile(folder, "a file, not a folder", 0644);
    } else if (place == QLatin1String("locked")) {
        if (::geteuid() == 0)
            QSKIP("root is not held back by modes; the other rows cover root");
        QVERIFY(QDir().mkdir(folder));
        if (!log.isNull())
            writeFile(folder + QStringLiteral("/bm.log"), log, 0444);
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0), 0);
    } else {
        QVERIFY(QDir().mkdir(folder));
        if (!mountReadOnlyWithLog(folder, log))
            QSKIP("this machine does not let the test mount a file system");
    }
    SetLogSettings({QString(), folder + QLatin1Char('/'), true, 0});

    const LogOutcome outcome = AppendLogLine(QStringLiteral("bm.log"), Record);

    const QByteArray folderPath = QFile::encodeName(folder);
    if (place == QLatin1String("mount"))
        ::umount2(folderPath.constData(), MNT_DETACH);
    else if (place == QLatin1String("locked"))
        ::chmod(folderPath.constData(), 0700);
    QCOMPARE(outcome.status, LogStatus::CannotOpen);
    QCOMPARE(LogOutcomeMessage(outcome), QStringLiteral("Fehler beim Schreiben der Logdatei!\nUrsache: ") + cause);
    if (place == QLatin1String("locked") && !log.isNull())
        QCOMPARE(contents(folder + QStringLiteral("/bm.log")), log);
}

void TestLogFile::logNotPlainFileFollowedOrReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder") << "folder" << "an dieser Stelle steht ein Ordner";
    QTest::newRow("named pipe") << "pipe" << "das ist keine gewöhnliche Datei";
    QTest::newRow("link to another user's file") << "link" << "an dieser Stelle steht eine Verknüpfung";
    QTest::newRow("link to nothing") << "dangling link" << "an dieser Stelle steht eine Verknüpfung";
}

void TestLogFile::logNotPlainFileFollowedOrReported()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);
    const QByteArray path = QFile::encodeName(logPath());
    const QString victim = directory->filePath(QStringLiteral("someone-elses.log"));
    const QByteArray victimLog = masked(Other.toLatin1()) + "\r\n";
    writeFile(victim, victimLog, 0644);
    if (kind == QLatin1String("folder"))
        QCOMPARE(::mkdir(path.constData(), 0755), 0);
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(path.constData(), 0644), 0);
    else
        QCOMPARE(::symlink(kind == QLatin1String("link") ? "someone-elses.log" : "nothing-here.log", path.constData()), 0);

    const LogOutcome written = AppendLogLine(QStringLiteral("bm.log"), Record);
    QCOMPARE(written.status, LogStatus::CannotOpen);
    QCOMPARE(LogOutcomeMessage(written), QStringLiteral("Fehler beim Schreiben der Logdatei!\nUrsache: ") + cause);
    QStringList lines;
    const LogOutcome read = ReadLogFile(QStringLiteral("bm.log"), lines);
    QCOMPARE(LogOutcomeMessage(read), QStringLiteral("Keine Protokolldatei vorhanden!"));
    QVERIFY(lines.isEmpty());
    QCOMPARE(contents(victim), victimLog);
    QCOMPARE(modeOf(victim), mode_t(0644));
    QVERIFY(!QFile::exists(directory->filePath(QStringLiteral("nothing-here.log"))));
}

void TestLogFile::linkedOldLogFollowed()
{
    const QString victim = directory->filePath(QStringLiteral("someone-elses.log"));
    writeFile(victim, "kept\r\n", 0644);
    writeFile(logPath(), OlderFormLog, 0444);
    QCOMPARE(::symlink("someone-elses.log", QFile::encodeName(oldPath()).constData()), 0);

    const LogOutcome outcome = AppendLogLine(QStringLiteral("bm.log"), Record);

    // The link only takes its name: the older log goes to the next one.
    QCOMPARE(outcome.status, LogStatus::Done);
    QCOMPARE(contents(victim), QByteArray("kept\r\n"));
    QCOMPARE(modeOf(victim), mode_t(0644));
    QCOMPARE(contents(directory->filePath(QStringLiteral("Oldbm-2.log"))), OlderFormLog);
    QCOMPARE(readBack(), QStringList{Record});
}

void TestLogFile::tornLastLineSwallowsRecord_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("records");
    const QByteArray record = masked(Record.toLatin1());
    QTest::newRow("whole record without line end") << record << QStringList{Record, Other};
    QTest::newRow("record cut off") << record.left(20) << QStringList{Record.left(20), Other};
    QTest::newRow("ends with CR alone") << record + "\r" << QStringList{Record, Other};
    QTest::newRow("ends with LF alone") << record + "\n" << QStringList{Record, Other};
}

void TestLogFile::tornLastLineSwallowsRecord()
{
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, records);
    writeFile(logPath(), stored, 0444);
    QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), Other).status, LogStatus::Done);
    QCOMPARE(readBack(), records);
    QVERIFY(contents(logPath()).endsWith(masked(Other.toLatin1()) + "\r\n"));
    // The new run is a record of its own for the viewer: graded, not shown raw.
    QVERIFY(LogViewLines(readBack()).contains(QStringLiteral("05.12.26  20 ok   0 falsch  100% Note: 1+  4,75 Sek. Runde auf Zehner")));
}

void TestLogFile::lineEndsMisread()
{
    const QByteArray stored = masked("first") + "\r\n" + masked("second") + "\r" + masked("third") + "\n"
                            + "\r\n" + masked("last");
    writeFile(logPath(), stored, 0444);
    QCOMPARE(readBack(), (QStringList{"first", "second", "third", QString(), "last"}));

    writeFile(logPath(), masked("only") + "\r\n", 0444);
    QCOMPARE(readBack(), QStringList{"only"});

    writeFile(logPath(), QByteArray(), 0444);
    QCOMPARE(readBack(), QStringList());
}

void TestLogFile::umlautNotOneByte()
{
    const QString record = Record.left(LogRecordPrefixLength) + QStringLiteral("Punkte zählen, Größe");
    QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), record).status, LogStatus::Done);
    const QByteArray stored = contents(logPath());
    QCOMPARE(stored.size(), record.size() + 2);
    QCOMPARE(quint8(stored.at(LogRecordPrefixLength + 8)), quint8(0xE4 ^ 0x0E));
    QCOMPARE(readBack(), QStringList{record});
}

void TestLogFile::controlCharactersTearRecord()
{
    // These three unmask into CR, LF and NUL.
    const QString record = Record + QChar(0x03) + QChar(0x04) + QChar(0x0E) + QLatin1Char('x');
    QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), record).status, LogStatus::Done);
    QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), Other).status, LogStatus::Done);
    QCOMPARE(readBack(), (QStringList{Record + QStringLiteral("   x"), Other}));
}

void TestLogFile::wrongRunsLogged_data()
{
    QTest::addColumn<bool>("logEnabled");
    QTest::addColumn<int>("minimumLog");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<bool>("logged");
    QTest::newRow("minimum 10, 9 answered") << true << 10 << 5 << 4 << false;
    QTest::newRow("minimum 10, 10 answered") << true << 10 << 5 << 5 << true;
    QTest::newRow("minimum 0, one answered") << true << 0 << 0 << 1 << true;
    QTest::newRow("minimum 0, none answered") << true << 0 << 0 << 0 << false;
    QTest::newRow("negative minimum, one answered") << true << -3 << 1 << 0 << true;
    QTest::newRow("negative minimum, none answered") << true << -3 << 0 << 0 << false;
    QTest::newRow("logging off") << false << 0 << 50 << 0 << false;
}

void TestLogFile::wrongRunsLogged()
{
    QFETCH(bool, logEnabled);
    QFETCH(int, minimumLog);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(bool, logged);
    const LogSettings settings{QString(), directory->path() + QLatin1Char('/'), logEnabled, minimumLog};
    SetLogSettings(settings);
    QCOMPARE(RunIsLogged(run(right, wrong), settings), logged);

    const LogOutcome outcome = LogRun(run(right, wrong));

    QCOMPARE(outcome.status, logged ? LogStatus::Done : LogStatus::NotLogged);
    QCOMPARE(QFile::exists(logPath()), logged);
    if (logged)
        QCOMPARE(readBack(), QStringList{LogRecordFor(run(right, wrong))});
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
