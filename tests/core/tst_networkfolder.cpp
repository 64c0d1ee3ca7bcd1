// A log on the school's server must be read on a worker, whatever its size: a folder taken
// for local waits on the window's thread.

#include "log/NetworkFolder.h"

#include <QTest>

namespace {

const QByteArray MountTable = "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                              "30 22 0:40 / /srv/klasse rw,nosuid shared:9 - fuse.sshfs schule@server:/klasse rw\n"
                              "31 30 0:41 / /srv/klasse/tmp rw shared:10 - tmpfs tmpfs rw\n"
                              "32 22 0:42 / /mnt/mit\\040Leerzeichen rw - nfs4 server:/export rw\n"
                              "33 22 8:2 / /media/stick rw - fuseblk /dev/sdb1 rw\n"
                              "34 22 0:43 / /home rw - cifs //server/home rw\n"
                              "35 22 0:44 / /srv/klasse rw - ext4 /dev/sdc1 rw\n";

} // namespace

class TestNetworkFolder : public QObject
{
    Q_OBJECT

private slots:
    void serverFolderTakenForLocal_data();
    void serverFolderTakenForLocal();
};

void TestNetworkFolder::serverFolderTakenForLocal_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("network");
    const QByteArray sshfsOnly = MountTable.left(MountTable.indexOf("35 22"));
    QTest::newRow("local disk") << sshfsOnly << "/var/log/bm.log" << false;
    QTest::newRow("sshfs mount") << sshfsOnly << "/srv/klasse/anna/bm.log" << true;
    QTest::newRow("the mount point itself") << sshfsOnly << "/srv/klasse" << true;
    QTest::newRow("same start, other folder") << sshfsOnly << "/srv/klassenbuch/bm.log" << false;
    QTest::newRow("local mount inside the sshfs one") << sshfsOnly << "/srv/klasse/tmp/bm.log" << false;
    QTest::newRow("blank in the mount point") << sshfsOnly << "/mnt/mit Leerzeichen/anna/bm.log" << true;
    QTest::newRow("local disk through FUSE") << sshfsOnly << "/media/stick/bm.log" << false;
    QTest::newRow("SMB home") << sshfsOnly << "/home/anna/bm.log" << true;
    QTest::newRow("local disk mounted over the sshfs one") << MountTable << "/srv/klasse/anna/bm.log" << false;
    QTest::newRow("dots in the path") << sshfsOnly << "/var/../srv/klasse/./anna/bm.log" << true;
}

void TestNetworkFolder::serverFolderTakenForLocal()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, path);
    QFETCH(bool, network);
    QCOMPARE(LiesOnNetwork(path, table), network);
}

QTEST_GUILESS_MAIN(TestNetworkFolder)
#include "tst_networkfolder.moc"
