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

// The settings for these command-line arguments (argument 0 is the program's own path),
// with "wolf.cfg" looked for in executableDir.
LogSettings ReadLogSettings(const QStringList &arguments, const QString &executableDir,
                            const EnvironmentLookup &environment);

// Fills the program's settings; called once at start-up, before any window exists.
void LoadLogFileSettings(const QStringList &arguments, const QString &executableDir);
const LogSettings &logSettings();
// Replaces the program's settings (start-up, and tests that need logging on).
void SetLogSettings(const LogSettings &settings);

// The normalised value of key in the configuration file; empty if file or key is missing.
QString ReadConfigValue(const QString &filePath, const QString &key);
QString GetEnvironmentValue(const QString &name);
