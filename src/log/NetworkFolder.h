#pragma once
// Whether a log lies on a file system reached over the network (SSHFS and other FUSE
// mounts, NFS, SMB), where reading may wait for a server: the windows then read it on a
// worker whatever its size. Told from the mount table alone, which asks no server.

#include <QByteArray>
#include <QString>

bool LiesOnNetwork(const QString &path);
// The same with the mount table as /proc/self/mountinfo lists it.
bool LiesOnNetwork(const QString &path, const QByteArray &mountInfo);
