// Reading the configuration: which file, which log folder, which minimum, and that bad
// files only ever switch logging off.

#include "log/LogSettings.h"
#include "core/SchoolFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString fakeEnvironment(const QString &name)
{
    if (name == QLatin1String("LOGDIR"))
        return QStringLiteral("/srv/Ergebnisse der Klasse");
    if (name == QLatin1String("EMPTY"))
        return QString();
    if (name == QLatin1String("BELL"))
        return QStringLiteral("/srv/a\u0007b");
    return QString();
}

// The text as an editor saves it with its "Unicode" choice: UTF-16 behind a byte-order mark.
QByteArray utf16(const QString &text, QSysInfo::Endian order)
{
    QByteArray bytes = order == QSysInfo::LittleEndian ? QByteArray("\xff\xfe") : QByteArray("\xfe\xff");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xff);
        bytes.append(order == QSysInfo::LittleEndian ? low : high);
        bytes.append(order == QSysInfo::LittleEndian ? high : low);
    }
    return bytes;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    LogSettings settingsFor(const QByteArray &wolfCfg)
    {
        writeFile(m_dir.filePath(QStringLiteral("wolf.cfg")), wolfCfg);
        return ReadLogSettings({m_dir.filePath(QStringLiteral("bm"))}, m_dir.path(), QString(), fakeEnvironment);
    }

private slots:
    void logFolderAndMinimumFromTheFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("logDirectory");
        QTest::addColumn<qint32>("minimumLog");
        QTest::newRow("plain key gets a final slash") << QByteArray("LogFilePath=/var/logs\r\n") << "/var/logs/" << 0;
        QTest::newRow("key in any case, blanks around =") << QByteArray("logfilepath = /var/logs/\n") << "/var/logs/" << 0;
        QTest::newRow("blanks inside key and value dropped") << QByteArray("Log File Path = /home/Eigene Dateien/Log\n") << "/home/EigeneDateien/Log/" << 0;
        QTest::newRow("environment variable, value unchanged") << QByteArray("LogFilePath=%LOGDIR%\n") << "/srv/Ergebnisse der Klasse/" << 0;
        QTest::newRow("unset variable switches logging off") << QByteArray("LogFilePath=%NOTSET%\n") << "" << 0;
        QTest::newRow("lone percent sign") << QByteArray("LogFilePath=%\n") << "" << 0;
        QTest::newRow("comment line") << QByteArray(";LogFilePath=/var/logs\n") << "" << 0;
        QTest::newRow("key without = matches nothing") << QByteArray("LogFilePath\n") << "" << 0;
        QTest::newRow("last line wins") << QByteArray("LogFilePath=/a\nx=1\nLogFilePath=/b\n") << "/b/" << 0;
        QTest::newRow("empty value switches logging off") << QByteArray("LogFilePath=\n") << "" << 0;
        QTest::newRow("old Mac line ends") << QByteArray("LogFilePath=/a\rMinimumLog=4\r") << "/a/" << 4;
        QTest::newRow("minimum") << QByteArray("LogFilePath=/a\nMinimumLog=5\n") << "/a/" << 5;
        QTest::newRow("minimum with leading zero") << QByteArray("LogFilePath=/a\nMinimumLog = 05\n") << "/a/" << 5;
        QTest::newRow("minimum in words") << QByteArray("LogFilePath=/a\nMinimumLog=fuenf\n") << "/a/" << 0;
        QTest::newRow("negative minimum") << QByteArray("LogFilePath=/a\nMinimumLog=-3\n") << "/a/" << -3;
        QTest::newRow("hexadecimal minimum") << QByteArray("LogFilePath=/a\nMinimumLog=$10\n") << "/a/" << 16;
        QTest::newRow("minimum too large") << QByteArray("LogFilePath=/a\nMinimumLog=99999999999\n") << "/a/" << 0;
        QTest::newRow("minimum without log folder is never read") << QByteArray("MinimumLog=5\n") << "" << 0;
        QTest::newRow("umlauts in UTF-8") << QByteArray("LogFilePath=/home/J\xc3\xbcrgen\n") << "/home/J\u00fcrgen/" << 0;
        QTest::newRow("umlauts in Windows-1252") << QByteArray("LogFilePath=/home/J\xfcrgen\n") << "/home/J\u00fcrgen/" << 0;
        QTest::newRow("empty file") << QByteArray() << "" << 0;
        QTest::newRow("binary file") << QByteArray("\x00\x01\xff=\xfe\x00LogFilePath\x00=/x", 18) << "" << 0;
        QTest::newRow("NUL cuts the path") << QByteArray("LogFilePath=/home/anna/notizen.txt") + '\0' + "/x\n" << "" << 0;
        QTest::newRow("control character in the path") << QByteArray("LogFilePath=/a\x01/b\n") << "" << 0;
        QTest::newRow("control character from the variable") << QByteArray("LogFilePath=%BELL%\n") << "" << 0;
        QTest::newRow("UTF-16 with byte-order mark") << utf16(QStringLiteral("LogFilePath=/home/J\u00fcrgen\r\nMinimumLog=3\r\n"), QSysInfo::LittleEndian) << "/home/J\u00fcrgen/" << 3;
        QTest::newRow("UTF-16 big-endian") << utf16(QStringLiteral("LogFilePath=/a\n"), QSysInfo::BigEndian) << "/a/" << 0;
        QTest::newRow("file over 64 KiB") << QByteArray("LogFilePath=/a\n") + QByteArray(64 * 1024, ';') << "" << 0;
    }
    void logFolderAndMinimumFromTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, logDirectory);
        QFETCH(qint32, minimumLog);
        const LogSettings settings = settingsFor(content);
        QCOMPARE(settings.logDirectory, logDirectory);
        QCOMPARE(settings.logEnabled, !logDirectory.isEmpty());
        QCOMPARE(settings.minimumLog, minimumLog);
    }

    void missingFileSwitchesLoggingOff()
    {
        QTemporaryDir empty;
        const LogSettings settings = ReadLogSettings({empty.filePath(QStringLiteral("bm"))}, empty.path(),
                                                     empty.filePath(QStringLiteral("etc/wolf.cfg")), fakeEnvironment);
        QCOMPARE(settings.configFilePath, empty.filePath(QStringLiteral("wolf.cfg")));
        QVERIFY(!settings.logEnabled);
        QCOMPARE(settings.minimumLog, 0);
    }

    void cfgArgumentsNameTheFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("configFile");
        QTest::newRow("prefix in capitals, path kept as typed") << QStringList{"bm", "CFG=/Schule/Setup.CFG"} << "/Schule/Setup.CFG";
        QTest::newRow("a later argument overrides") << QStringList{"bm", "cfg=a.cfg", "cfg=b.cfg"} << "b.cfg";
        QTest::newRow("other arguments are left alone") << QStringList{"bm", "-bkg", "config=x"} << "";
    }
    void cfgArgumentsNameTheFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, configFile);
        const LogSettings settings = ReadLogSettings(arguments, QStringLiteral("/opt/bm"), QString(), fakeEnvironment);
        QCOMPARE(settings.configFilePath, configFile.isEmpty() ? QStringLiteral("/opt/bm/wolf.cfg") : configFile);
    }

    void cfgArgumentIsRead()
    {
        const QString path = m_dir.filePath(QStringLiteral("Other Name.CFG"));
        writeFile(path, "LogFilePath=/x\n");
        const LogSettings settings = ReadLogSettings({"bm", "cfg=" + path}, QStringLiteral("/nowhere"), QString(), fakeEnvironment);
        QCOMPARE(settings.logDirectory, QStringLiteral("/x/"));
    }

    // The school-wide file counts only where neither an argument nor the program's own
    // folder names an existing one.
    void systemFileReadInWrongOrder_data()
    {
        QTest::addColumn<bool>("argumentFile");
        QTest::addColumn<bool>("argumentGiven");
        QTest::addColumn<bool>("besideFile");
        QTest::addColumn<bool>("systemFile");
        QTest::addColumn<QString>("logDirectory");
        QTest::newRow("only the system file") << false << false << false << true << "/system/";
        QTest::newRow("beside the program before the system file") << false << false << true << true << "/beside/";
        QTest::newRow("argument before both") << true << true << true << true << "/argument/";
        QTest::newRow("argument names no file") << false << true << true << true << "/system/";
        QTest::newRow("no file at all") << false << false << false << false << "";
    }
    void systemFileReadInWrongOrder()
    {
        QFETCH(bool, argumentFile);
        QFETCH(bool, argumentGiven);
        QFETCH(bool, besideFile);
        QFETCH(bool, systemFile);
        QFETCH(QString, logDirectory);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("program")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("etc/brimbelo")));
        const QString argumentPath = root.filePath(QStringLiteral("chosen.cfg"));
        const QString systemPath = root.filePath(QStringLiteral("etc/brimbelo/wolf.cfg"));
        if (argumentFile)
            writeFile(argumentPath, "LogFilePath=/argument\n");
        if (besideFile)
            writeFile(root.filePath(QStringLiteral("program/wolf.cfg")), "LogFilePath=/beside\n");
        if (systemFile)
            writeFile(systemPath, "LogFilePath=/system\n");
        QStringList arguments{root.filePath(QStringLiteral("program/bm"))};
        if (argumentGiven)
            arguments << QStringLiteral("cfg=") + argumentPath;
        const LogSettings settings =
            ReadLogSettings(arguments, root.filePath(QStringLiteral("program")), systemPath, fakeEnvironment);
        QCOMPARE(settings.logDirectory, logDirectory);
    }

    void shippedExampleLogs()
    {
        const QString example = QFINDTESTDATA("../../resources/wolf.cfg");
        QVERIFY(!example.isEmpty());
        QTemporaryDir empty;
        const LogSettings settings = ReadLogSettings({QStringLiteral("/usr/bin/bm")}, empty.path(), example, fakeEnvironment);
        QCOMPARE(settings.configFilePath, example);
        QVERIFY(!settings.logEnabled);
    }

    // A child's session started without a login shell has no BM_LOG; its folder then comes
    // from the class set-up's entry for the account, and from no other account's entry.
    void childWithoutVariableMissesItsClassFolder_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("logDirectory");
        QTest::newRow("the account's own entry") << QByteArray("LogFilePath=%BM_LOG%\n") << "anna" << "/srv/klasse-3b/anna/";
        QTest::newRow("no entry of another child") << QByteArray("LogFilePath=%BM_LOG%\n") << "ben" << "";
        QTest::newRow("no account known") << QByteArray("LogFilePath=%BM_LOG%\n") << "" << "";
        QTest::newRow("a set variable wins") << QByteArray("LogFilePath=%LOGDIR%\n") << "anna" << "/srv/Ergebnisse der Klasse/";
        QTest::newRow("a plain folder wins") << QByteArray("LogFilePath=/a\n") << "anna" << "/a/";
    }
    void childWithoutVariableMissesItsClassFolder()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, account);
        QFETCH(QString, logDirectory);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QLatin1String(AccountEntriesFolder)));
        writeFile(dir.filePath(QStringLiteral("wolf.cfg")), line);
        writeFile(dir.filePath(QStringLiteral("konten/anna")), "; written by the class set-up\nLogFilePath=/srv/klasse-3b/anna\n");
        const LogSettings settings =
            ReadLogSettings({dir.filePath(QStringLiteral("bm"))}, dir.path(), QString(), fakeEnvironment, account);
        QCOMPARE(settings.logDirectory, logDirectory);
    }

    // A workstation that mounts the school's folder has no entry of its own: the child's
    // folder comes from her entry there, after a LogFilePath that names one and before the
    // entries that an older set-up left beside the configuration.
    void childMissesHerFolderInTheSchoolsFolder_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<bool>("oldEntry");
        QTest::addColumn<QString>("logDirectory");
        QTest::addColumn<bool>("throughSchool");
        const QByteArray school("Klassenordner=SCHOOL\n");
        QTest::newRow("no LogFilePath at all") << school << false << "/srv/neu/anna/" << true;
        QTest::newRow("an unset variable") << school + "LogFilePath=%BM_LOG%\n" << true << "/srv/neu/anna/" << true;
        QTest::newRow("a plain folder wins") << school + "LogFilePath=/a\n" << false << "/a/" << false;
        QTest::newRow("a set variable wins") << school + "LogFilePath=%LOGDIR%\n" << false << "/srv/Ergebnisse der Klasse/" << false;
        QTest::newRow("a lone % keeps logging off") << school + "LogFilePath=%\n" << false << "" << false;
        QTest::newRow("another school's folder: the old entry") << QByteArray("Klassenordner=/nirgends\nLogFilePath=%BM_LOG%\n")
                                                               << true << "/srv/alt/anna/" << false;
        QTest::newRow("another school's folder, no variable line") << QByteArray("Klassenordner=/nirgends\n") << true << "" << false;
    }
    void childMissesHerFolderInTheSchoolsFolder()
    {
        QFETCH(QByteArray, lines);
        QFETCH(bool, oldEntry);
        QFETCH(QString, logDirectory);
        QFETCH(bool, throughSchool);
        QTemporaryDir etc, school;
        QVERIFY(QDir(school.path()).mkdir(QLatin1String(AccountEntriesFolder)));
        writeFile(school.filePath(QStringLiteral("konten/anna")), "LogFilePath=/srv/neu/anna\n");
        if (oldEntry) {
            QVERIFY(QDir(etc.path()).mkdir(QLatin1String(AccountEntriesFolder)));
            writeFile(etc.filePath(QStringLiteral("konten/anna")), "LogFilePath=/srv/alt/anna\n");
        }
        writeFile(etc.filePath(QStringLiteral("wolf.cfg")), QByteArray(lines).replace("SCHOOL", school.path().toLocal8Bit()));
        const LogSettings settings =
            ReadLogSettings({QStringLiteral("bm")}, QStringLiteral("/nowhere"), etc.filePath(QStringLiteral("wolf.cfg")),
                            fakeEnvironment, QStringLiteral("anna"));
        QCOMPARE(settings.logDirectory, logDirectory);
        QCOMPARE(settings.schoolFolder, throughSchool ? school.path() : QString());
    }

    void hugeFileIsReadWithoutHanging()
    {
        QByteArray content;
        const QByteArray noise(1000, 'z');
        while (content.size() < qsizetype(10) * 1024 * 1024)
            content += noise + "\n";
        content += "LogFilePath=/big\n";
        // Far larger than any configuration written by hand: not read, logging stays off.
        QCOMPARE(settingsFor(content).logDirectory, QString());
    }

    void unreadableFileSwitchesLoggingOff()
    {
        // A folder of that name is no configuration file.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("wolf.cfg")));
        QVERIFY(ReadConfigValue(dir.filePath(QStringLiteral("wolf.cfg")), QStringLiteral("LogFilePath")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
