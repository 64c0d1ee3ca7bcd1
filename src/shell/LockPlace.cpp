#include "shell/LockPlace.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

bool IsAccountOnlyFolder(const QString &folder)
{
    struct stat status;
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString AccountLockFolder()
{
    // Under "su" the runtime folder of the account that started the shell may still be
    // named here; it is not this account's.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (IsAccountOnlyFolder(runtime))
        return runtime;
    const QString own = QDir(QDir::tempPath()).filePath(QStringLiteral("brimbelo-%1").arg(::geteuid()));
    // Made by another account beforehand, it fails the check and the guard goes without.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsAccountOnlyFolder(own) ? own : QString();
}
