// The single-instance guard between real processes: copies of a small program that takes
// the guard for its own executable file.

#include "shell/NichtDoppelt.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <signal.h>

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
