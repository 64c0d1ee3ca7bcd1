// Any configuration file: reading it never crashes or hangs, logging is on exactly when a
// log folder came out of it, and the log would end up at that folder's path as read,
// never at a path cut short by a control character.

#include "log/LogSettings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wolf.cfg"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const LogSettings settings = ReadLogSettings({QStringLiteral("bm")}, dir.path(), QString(),
                                                 [](const QString &name) { return name.left(3); });
    if (settings.logEnabled != !settings.logDirectory.isEmpty())
        std::abort();
    if (settings.logEnabled && !settings.logDirectory.endsWith(QLatin1Char('/')))
        std::abort();
    const QByteArray where = QFile::encodeName(settings.logDirectory + QStringLiteral("bm.log"));
    if (where.contains('\0'))
        std::abort();
    for (const QChar c : settings.logDirectory) {
        if (c.category() == QChar::Other_Control)
            std::abort();
    }
    return 0;
}
