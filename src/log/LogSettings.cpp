#include "log/LogSettings.h"

#include "core/ClassList.h"

#include "core/Cp1252.h"
#include "core/IntegerText.h"
#include "core/SchoolFolder.h"
#include "core/TypedNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Another program may hold the file for a moment; trying again at once is what the
// earlier versions did, so a busy file still gets read.
constexpr int LoadAttempts = 20000;
constexpr qint64 ConfigSizeLimit = 64 * 1024;

LogSettings &settingsStorage()
{
    static LogSettings settings;
    return settings;
}

// Written with an editor's "Unicode" choice, the file is UTF-16 behind a byte-order mark.
QString decodeConfigText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? DecodeCp1252(bytes) : text;
}

// A larger file is no configuration anyone wrote by hand; it is not read at all.
std::optional<QByteArray> readSmallFile(QFile &file)
{
    QByteArray bytes = file.read(ConfigSizeLimit + 1);
    if (bytes.size() > ConfigSizeLimit)
        return std::nullopt;
    return bytes;
}

QStringList loadLines(const QString &filePath)
{
    for (int attempt = 0; attempt < LoadAttempts; ++attempt) {
        QFile file(filePath);
        if (file.open(QIODevice::ReadOnly)) {
            const std::optional<QByteArray> bytes = readSmallFile(file);
            if (!bytes)
                return {};
            QString text = decodeConfigText(*bytes);
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            QStringList lines = text.split(QLatin1Char('\n'));
            // A final line end does not start another line.
            if (!lines.isEmpty() && lines.last().isEmpty())
                lines.removeLast();
            return lines;
        }
    }
    return {};
}

// A control character (a NUL above all) would cut the path or lead somewhere else.
bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Upper case for the letters a-z only; other characters stay as they are.
QString asciiUpper(const QString &s)
{
    QString result = s;
    for (QChar &c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

// The text before the first "=" at position 2 or later; without one, all but the last
// character of the line.
qsizetype keyLength(const QString &line)
{
    qsizetype length = 1;
    while (length < line.size() - 1 && line.at(length) != QLatin1Char('='))
        ++length;
    return length;
}

QString withTrailingSlash(const QString &directory)
{
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

// The folder that brimbelo-klasse recorded for account in the entries of holder (the
// school's folder, or the configuration's folder of an older set-up); empty without one.
QString accountFolder(const QDir &holder, const QString &account)
{
    if (account.isEmpty() || account.contains(QLatin1Char('/')) || account.startsWith(QLatin1Char('.')))
        return QString();
    const QDir entries(holder.filePath(QLatin1String(AccountEntriesFolder)));
    return ReadConfigValue(entries.filePath(account), QStringLiteral("LogFilePath"));
}

QString schoolFolderOf(const QString &configFilePath)
{
    const QString named = ReadConfigValue(configFilePath, QLatin1String(SchoolFolderKey));
    return named.isEmpty() || holdsControlCharacter(named) ? QString::fromLatin1(DefaultSchoolFolder) : named;
}

// Root's (or, with mayBeOwn, this account's), of the kind wanted, reached without a link.
bool ownedAsSetUp(const QString &path, unsigned kind, bool mayBeOwn = false)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && (status.st_mode & S_IFMT) == kind
        && (status.st_uid == 0 || (mayBeOwn && status.st_uid == ::geteuid()));
#else
    Q_UNUSED(path);
    Q_UNUSED(kind);
    Q_UNUSED(mayBeOwn);
    return true;
#endif
}

// The name of the account the program runs for, from the system's user database rather
// than from variables that a session may or may not set.
QString currentAccountName()
{
#ifdef Q_OS_UNIX
    passwd entry{};
    passwd *found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr)
        return QString::fromLocal8Bit(found->pw_name);
#endif
    return QString();
}

} // namespace

QString ReadConfigValue(const QString &filePath, const QString &key)
{
    QString result;
    if (!QFileInfo(filePath).isFile())
        return result;
    const QString wanted = asciiUpper(key);
    for (const QString &line : loadLines(filePath)) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char(';'))) {
            const qsizetype length = keyLength(line);
            if (asciiUpper(NormalizeNumberText(line.left(length))) == wanted)
                result = line.mid(length + 1);
        }
        result = NormalizeNumberText(result);
    }
    return result;
}

QString GetEnvironmentValue(const QString &name)
{
    if (name.isEmpty())
        return QString();
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

LogSettings ReadLogSettings(const QStringList &arguments, const QString &executableDir,
                            const QString &systemConfigFile, const EnvironmentLookup &environment,
                            const QString &account)
{
    LogSettings settings;
    settings.configFilePath = withTrailingSlash(executableDir) + QStringLiteral("wolf.cfg");
    for (const QString &argument : arguments) {
        // The prefix matches in any case; the path is used as typed, since file names
        // here are case-sensitive.
        if (argument.left(4).compare(QLatin1String("cfg="), Qt::CaseInsensitive) == 0)
            settings.configFilePath = argument.mid(4);
    }
    // Installed in /usr/bin, the program has no folder of its own to keep a wolf.cfg in.
    if (!QFileInfo(settings.configFilePath).isFile() && QFileInfo(systemConfigFile).isFile())
        settings.configFilePath = systemConfigFile;

    QString directory = ReadConfigValue(settings.configFilePath, QStringLiteral("LogFilePath"));
    const bool fromVariable = directory.size() >= 2 && directory.startsWith(QLatin1Char('%')) && directory.endsWith(QLatin1Char('%'));
    if (fromVariable)
        directory = environment(directory.mid(1, directory.size() - 2));
    if (directory.isEmpty()) {
        const QString school = schoolFolderOf(settings.configFilePath);
        directory = accountFolder(QDir(school), account);
        if (!directory.isEmpty())
            settings.schoolFolder = school;
        else if (fromVariable)
            directory = accountFolder(QFileInfo(settings.configFilePath).dir(), account);
    }
    // A lone "%" switches logging off, school's folder or not.
    if (directory == QLatin1String("%"))
        directory.clear();
    if (holdsControlCharacter(directory)) {
        directory.clear();
        settings.schoolFolder.clear();
    }
    if (!directory.isEmpty())
        directory = withTrailingSlash(directory);
    settings.logDirectory = directory;
    settings.logEnabled = !directory.isEmpty();
    if (settings.logEnabled) {
        const auto minimum = TextToInteger(ReadConfigValue(settings.configFilePath, QStringLiteral("MinimumLog")));
        settings.minimumLog = minimum.value_or(0);
    }
    return settings;
}

// A child's folder in a class on one shared account: the set-up gave the class folder
// to that account (set-group-ID, holding the class list), and the child's folder is the
// account's and the class's group's, made by the set-up or by the account's bm when the
// child first practised.
bool childsFolderInSharedClass(const QString &logDirectory)
{
#ifdef Q_OS_UNIX
    const QString folder = QDir::cleanPath(logDirectory);
    const QString classFolder = QFileInfo(folder).path();
    struct stat child {}, holder {}, list {};
    return ::lstat(QFile::encodeName(folder).constData(), &child) == 0 && S_ISDIR(child.st_mode)
        && ::lstat(QFile::encodeName(classFolder).constData(), &holder) == 0 && S_ISDIR(holder.st_mode)
        && (holder.st_mode & S_ISGID) != 0 && child.st_uid == holder.st_uid && child.st_gid == holder.st_gid
        && ::lstat(QFile::encodeName(QDir(classFolder).filePath(QLatin1String(ClassListFileName))).constData(), &list) == 0
        && S_ISREG(list.st_mode);
#else
    Q_UNUSED(logDirectory);
    return true;
#endif
}

bool SchoolFolderHoldsLog(const QString &schoolFolder, const QString &logDirectory)
{
    // A child's own folder must lie in a root's class folder, a shared class's folder in
    // the class folder its account was given: nothing a child can make on an empty mount
    // point, which lacks the school's mark.
    const QString folder = QDir::cleanPath(logDirectory);
    return ownedAsSetUp(QDir(schoolFolder).filePath(QLatin1String(SchoolMarkName)), S_IFREG)
        && ((ownedAsSetUp(QFileInfo(folder).path(), S_IFDIR) && ownedAsSetUp(folder, S_IFDIR, true))
            || childsFolderInSharedClass(logDirectory));
}

void LoadLogFileSettings(const QStringList &arguments, const QString &executableDir)
{
    settingsStorage() = ReadLogSettings(arguments, executableDir, QString::fromLatin1(SystemConfigFile),
                                        GetEnvironmentValue, currentAccountName());
}

const LogSettings &logSettings()
{
    return settingsStorage();
}

void SetLogSettings(const LogSettings &settings)
{
    settingsStorage() = settings;
}
