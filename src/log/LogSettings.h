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
};

using EnvironmentLookup = std::function<QString(const QString &name)>;

// Where an administrator sets up every account of a machine (a school's computers) at
// once; read when neither a "cfg=" argument nor the folder of the program names a file.
inline constexpr auto SystemConfigFile = "/etc/brimbelo/wolf.cfg";

// The log folder of each child of a class, set up by brimbelo-klasse: beside the
// configuration file, "konten/<account>" holds a LogFilePath line readable by that account
// alone. A session started without a login shell has none of the variables a profile
// would set, so this is where LogFilePath=%VARIABLE% looks when the variable is not set.
inline constexpr auto AccountFoldersDir = "konten";

// The settings for these command-line arguments (argument 0 is the program's own path),
// with "wolf.cfg" looked for in executableDir, else systemConfigFile; account names the
// user whose entry in AccountFoldersDir stands in for an unset variable.
LogSettings ReadLogSettings(const QStringList &arguments, const QString &executableDir,
                            const QString &systemConfigFile, const EnvironmentLookup &environment,
                            const QString &account = QString());

// Fills the program's settings; called once at start-up, before any window exists.
void LoadLogFileSettings(const QStringList &arguments, const QString &executableDir);
const LogSettings &logSettings();
// Replaces the program's settings (start-up, and tests that need logging on).
void SetLogSettings(const LogSettings &settings);

// The normalised value of key in the configuration file; empty if file or key is missing.
QString ReadConfigValue(const QString &filePath, const QString &key);
QString GetEnvironmentValue(const QString &name);
