#include "log/NetworkFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// FUSE mounts count as well: SSHFS and the SMB clients are FUSE file systems, and a local
// disk through FUSE ("fuseblk") is told apart by its name.
bool isNetworkType(const QByteArray &type)
{
    static const QByteArrayList networkTypes{"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs",
                                             "ceph", "9p", "glusterfs", "fuse"};
    return networkTypes.contains(type) || type.startsWith("fuse.");
}

// Mount points write a blank, tab, newline and backslash as three octal digits after "\".
QString unescaped(const QByteArray &field)
{
    QByteArray plain;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()) {
            plain.append(char(field.mid(i + 1, 3).toInt(nullptr, 8)));
            i += 3;
        } else {
            plain.append(field.at(i));
        }
    }
    return QFile::decodeName(plain);
}

bool isAtOrBelow(const QString &path, const QString &mountPoint)
{
    return mountPoint == QLatin1String("/") || path == mountPoint
           || path.startsWith(mountPoint + QLatin1Char('/'));
}

} // namespace

bool LiesOnNetwork(const QString &path, const QByteArray &mountInfo)
{
    // Not resolved through links: that would ask the server already.
    const QString place = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    qsizetype longest = -1;
    bool network = false;
    // "36 35 98:0 /root /mount/point options ... - type source options"; later lines are
    // mounted over earlier ones.
    for (const QByteArray &line : mountInfo.split('\n')) {
        const QByteArrayList fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 5 || separator < 0 || separator + 1 >= fields.size())
            continue;
        const QString mountPoint = unescaped(fields.at(4));
        if (isAtOrBelow(place, mountPoint) && mountPoint.size() >= longest) {
            longest = mountPoint.size();
            network = isNetworkType(fields.at(separator + 1));
        }
    }
    return network;
}

bool LiesOnNetwork(const QString &path)
{
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    // Read in one go: the file is generated as it is read.
    return mounts.open(QIODevice::ReadOnly) && LiesOnNetwork(path, mounts.readAll());
}
