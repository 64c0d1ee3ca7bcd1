#include "log/class/SharedClass.h"

#include "core/ClassList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A class list of the largest class is a few hundred bytes; a larger file is no list.
constexpr qint64 ClassListSizeLimit = 64 * 1024;

} // namespace

std::optional<QStringList> SharedClassNames(const LogSettings &settings)
{
    if (!settings.logEnabled)
        return std::nullopt;
    const QString path = QDir(settings.logDirectory).filePath(QLatin1String(ClassListFileName));
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    const QByteArray text = file.read(ClassListSizeLimit + 1);
    return text.size() > ClassListSizeLimit ? QStringList() : ParseClassList(text);
}

LogSettings ChildLogSettings(const LogSettings &classSettings, const QString &child)
{
    LogSettings settings = classSettings;
    settings.logDirectory = QDir(classSettings.logDirectory).filePath(child) + QLatin1Char('/');
    return settings;
}
