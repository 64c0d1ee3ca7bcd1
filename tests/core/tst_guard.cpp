// The single-instance guard between real processes: copies of a small program that takes
// the guard for its own executable file.

#include "shell/NichtDoppelt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString helperPath()
{
    return qEnvironmentVariable("BRIMBELO_TEST_HELPERS") + QStringLiteral("/guard_holder");
}

// Starts a guard holder and returns it with the one line it printed.
std::unique_ptr<QProcess> startHolder(const QString &program, const QString &lockDir, QString &said)
{
    auto process = std::make_unique<QProcess>();
    process->start(program, {lockDir});
    if (!process->waitForStarted(5000) || !process->waitForReadyRead(5000))
        said = QStringLiteral("(no answer)");
    else
        said = QString::fromLatin1(process->readLine()).trimmed();
    return process;
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished(5000);
}

// A second account for the length of a test (the superuser only), removed again after.
class OtherAccount
{
public:
    OtherAccount()
    {
        QProcess::execute(QStringLiteral("userdel"), {name});
        made = QProcess::execute(QStringLiteral("useradd"), {QStringLiteral("-M"), QStringLiteral("-N"), name}) == 0;
    }
    ~OtherAccount()
    {
        if (made)
            QProcess::execute(QStringLiteral("userdel"), {name});
    }
    // Runs program with arguments in this account.
    QStringList command(const QString &program, const QStringList &arguments) const
    {
        return QStringList{QStringLiteral("--reuid=") + name, QStringLiteral("--regid=users"),
                           QStringLiteral("--clear-groups"), program} + arguments;
    }

    const QString name = QStringLiteral("bmguardtest");
    bool made = false;
};

} // namespace

class TestGuard : public QObject
{
    Q_OBJECT

private slots:
    void secondStartOfTheSameFileIsRefused()
    {
        QTemporaryDir locks;
        QString first, second;
        auto a = startHolder(helperPath(), locks.path(), first);
        auto b = startHolder(helperPath(), locks.path(), second);
        QCOMPARE(first, QStringLiteral("acquired"));
        QCOMPARE(second, QStringLiteral("running"));
        QVERIFY(b->waitForFinished(5000));
        QCOMPARE(b->exitCode(), 1);
        QCOMPARE(a->state(), QProcess::Running);
        stop(*a);
    }

    // A copy started in the running one's place waits for it to end, any other start not.
    void copyStartedAgainWaitsForTheOldOneToEnd_data()
    {
        QTest::addColumn<QString>("patience");
        QTest::addColumn<QString>("said");
        QTest::newRow("an ordinary second start") << "0" << "running";
        QTest::newRow("started again while the old copy ends") << "10000" << "acquired";
    }

    void copyStartedAgainWaitsForTheOldOneToEnd()
    {
        QFETCH(QString, patience);
        QFETCH(QString, said);
        QTemporaryDir locks;
        QString first;
        auto a = startHolder(helperPath(), locks.path(), first);
        QCOMPARE(first, QStringLiteral("acquired"));
        QProcess b;
        b.start(helperPath(), {locks.path(), patience});
        QVERIFY(b.waitForStarted(5000));
        QTest::qWait(300);
        stop(*a);
        QTRY_VERIFY_WITH_TIMEOUT(b.canReadLine(), 5000);
        QCOMPARE(QString::fromLatin1(b.readLine()).trimmed(), said);
        stop(b);
    }

    void copiesInDifferentFoldersRunSideBySide()
    {
        QTemporaryDir locks, folderA, folderB;
        const QString copyA = folderA.filePath(QStringLiteral("bm"));
        const QString copyB = folderB.filePath(QStringLiteral("bm"));
        QVERIFY(QFile::copy(helperPath(), copyA));
        QVERIFY(QFile::copy(helperPath(), copyB));
        QString first, second;
        auto a = startHolder(copyA, locks.path(), first);
        auto b = startHolder(copyB, locks.path(), second);
        QCOMPARE(first, QStringLiteral("acquired"));
        QCOMPARE(second, QStringLiteral("acquired"));
        stop(*a);
        stop(*b);
    }

    void aKilledCopyDoesNotBlockTheNextStart()
    {
        QTemporaryDir locks;
        QString first, second;
        auto a = startHolder(helperPath(), locks.path(), first);
        QCOMPARE(first, QStringLiteral("acquired"));
        ::kill(pid_t(a->processId()), SIGKILL);
        QVERIFY(a->waitForFinished(5000));
        auto b = startHolder(helperPath(), locks.path(), second);
        QCOMPARE(second, QStringLiteral("acquired"));
        stop(*b);
    }

    void aMissingLockFolderLetsTheProgramStart()
    {
        QTemporaryDir locks;
        QString said;
        auto a = startHolder(helperPath(), locks.filePath(QStringLiteral("gone/deeper")), said);
        QCOMPARE(said, QStringLiteral("unavailable"));
        QCOMPARE(a->state(), QProcess::Running);
        stop(*a);
    }

    void anotherAccountStopsThisOne_data()
    {
        QTest::addColumn<QString>("other");   // what the other account runs
        QTest::addColumn<QString>("said");    // what this account's copy then says
        QTest::newRow("its own copy") << "copy" << "acquired";
        QTest::newRow("a hold on this account's lock file") << "file" << "unavailable";
        QTest::newRow("a hold on a link named like it") << "link" << "unavailable";
    }
    void anotherAccountStopsThisOne()
    {
        QFETCH(QString, other);
        QFETCH(QString, said);
        if (::geteuid() != 0)
            QSKIP("a second account can be made by the superuser only");
        const OtherAccount account;
        QVERIFY(account.made);
        QTemporaryDir place;
        QVERIFY(QFile::setPermissions(place.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                        | QFile::ReadOther | QFile::ExeOther));
        const QString copy = place.filePath(QStringLiteral("bm"));
        QVERIFY(QFile::copy(helperPath(), copy));
        const QString shared = place.filePath(QStringLiteral("locks"));
        QVERIFY(QDir().mkdir(shared));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        const QString ownLock = QDir(shared).filePath(LockFileName(copy));
        QString answer;
        const QString holder = qEnvironmentVariable("BRIMBELO_TEST_HELPERS") + QStringLiteral("/lock_holder");
        QProcess theirs;
        if (other == QLatin1String("copy")) {
            theirs.start(QStringLiteral("setpriv"), account.command(copy, {shared}));
        } else {
            const QString held = other == QLatin1String("file") ? ownLock : QDir(shared).filePath(QStringLiteral("theirs"));
            theirs.start(QStringLiteral("setpriv"), account.command(holder, {held}));
            if (other == QLatin1String("link"))
                QVERIFY(QFile::link(held, ownLock));
        }
        QVERIFY(theirs.waitForReadyRead(5000));
        QVERIFY(!theirs.readLine().trimmed().isEmpty());

        auto mine = startHolder(copy, shared, answer);
        stop(*mine);
        stop(theirs);
        QCOMPARE(answer, said);
    }

    void lockPlaceOthersCanWriteUsed_data()
    {
        QTest::addColumn<QString>("before");   // what stands in the temporary folder
        QTest::addColumn<bool>("runtime");     // a runtime folder that others can write is named
        QTest::addColumn<QString>("said");
        QTest::newRow("no runtime folder") << "nothing" << false << "acquired";
        QTest::newRow("runtime folder others can write") << "nothing" << true << "acquired";
        QTest::newRow("own folder made writable for all") << "open folder" << false << "unavailable";
        QTest::newRow("link in the own folder's place") << "link" << false << "unavailable";
    }
    void lockPlaceOthersCanWriteUsed()
    {
        QFETCH(QString, before);
        QFETCH(bool, runtime);
        QFETCH(QString, said);
        QTemporaryDir temporary, elsewhere;
        const QString own = temporary.filePath(QStringLiteral("brimbelo-%1").arg(::geteuid()));
        if (before == QLatin1String("open folder")) {
            QVERIFY(QDir().mkdir(own));
            QCOMPARE(::chmod(QFile::encodeName(own).constData(), 0777), 0);
        } else if (before == QLatin1String("link")) {
            QVERIFY(QFile::link(elsewhere.path(), own));
        }
        QCOMPARE(::chmod(QFile::encodeName(elsewhere.path()).constData(), 0777), 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), temporary.path());
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (runtime)
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), elsewhere.path());
        QProcess holder;
        holder.setProcessEnvironment(environment);
        holder.start(helperPath(), {QString()});
        QVERIFY(holder.waitForReadyRead(5000));
        const QString answer = QString::fromLatin1(holder.readLine()).trimmed();
        stop(holder);
        QCOMPARE(answer, said);
        QCOMPARE(QDir(elsewhere.path()).isEmpty(), true);
        if (said == QLatin1String("acquired"))
            QCOMPARE(QFileInfo(own).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void lockNamesFollowTheCanonicalPath()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("bm"));
        QFile(file).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(file, dir.filePath(QStringLiteral("link"))));
        QCOMPARE(LockFileName(dir.filePath(QStringLiteral("link"))), LockFileName(file));
        QCOMPARE(LockFileName(dir.filePath(QStringLiteral("./bm"))), LockFileName(file));
        QVERIFY(LockFileName(file) != LockFileName(dir.filePath(QStringLiteral("other"))));
    }
};

QTEST_GUILESS_MAIN(TestGuard)
#include "tst_guard.moc"
