#include "shell/ExecutablePath.h"

#include <QFileInfo>

QString ExecutableFilePath(const char *argv0)
{
    QString own = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!own.isEmpty())
        return own;
    return QFileInfo(QString::fromLocal8Bit(argv0)).absoluteFilePath();
}
