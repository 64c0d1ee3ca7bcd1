#pragma once
// The configuration read once at start: where the result log lives, whether runs are
// logged at all, and how many answered tasks a run needs to be logged. Reading is silent:
// any problem simply leaves logging off.

#include <QString>
#include <QStringList>
#include <functional>

struct LogSettings
{
    QString configFilePath;
    QString logDirectory;     // ends with "/" whenever it is not empty
    bool logEnabled = false;
    qint32 minimumLog = 0;
    // The school's folder when logDirectory was found through it, else empty: such a
    // folder is written only while the school's folder is really there.
    QString schoolFolder = {};
};

using EnvironmentLookup = std::function<QString(const QString &name)>;

// Where an administrator sets up every account of a machine (a school's computers) at
// once; read when neither a "cfg=" argument nor the folder of the program names a file.
inline constexpr auto SystemConfigFile = "/etc/brimbelo/wolf.cfg";

// The settings for these command-line arguments (argument 0 is the program's own path),
// with "wolf.cfg" looked for in executableDir, else systemConfigFile. Without a LogFilePath,
// or when its %VARIABLE% is not set, the log folder is the one that the entry of account
// in the school's folder names; a LogFilePath=%VARIABLE% left unset then falls back to the
// entry beside the configuration file that classes set up before had.
LogSettings ReadLogSettings(const QStringList &arguments, const QString &executableDir,
                            const QString &systemConfigFile, const EnvironmentLookup &environment,
                            const QString &account = QString());

// Whether a log folder found through schoolFolder may be written now: the school's mark is
// there and the folder is one the set-up made (root's or the account's own, in a root's
// class folder), or a child's folder in a class on one shared account, which that account
// owns. Asks the file system: never on the window's thread when it may lie on a server.
bool SchoolFolderHoldsLog(const QString &schoolFolder, const QString &logDirectory);

// Fills the program's settings; called once at start-up, before any window exists.
void LoadLogFileSettings(const QStringList &arguments, const QString &executableDir);
const LogSettings &logSettings();
// Replaces the program's settings (start-up, and tests that need logging on).
void SetLogSettings(const LogSettings &settings);

// The normalised value of key in the configuration file; empty if file or key is missing.
QString ReadConfigValue(const QString &filePath, const QString &key);
QString GetEnvironmentValue(const QString &name);
