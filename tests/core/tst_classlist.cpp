// A class on one shared account: the class list read and written, the animal each child
// finds her name by, the log folder that makes an account a shared one, and the choices
// kept per child.

#include "core/ClassList.h"
#include "core/UserSettings.h"
#include "log/class/SharedClass.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString Decomposed = QStringLiteral("O\u0308zlem"); // "Özlem" as some keyboards send it

} // namespace

class TestClassList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void namesAreReadOnceEachInClassOrder_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("umlauts and blanks sort beside their vowels")
            << QByteArray("Paul\nÖzlem\nBen Luca\nOskar\n") << QStringList{"Ben Luca", "Oskar", "Özlem", "Paul"};
        QTest::newRow("comments, empty lines and Windows line ends")
            << QByteArray("# Klasse 1a\r\n\r\nAnna\r\n  # auch ein Kommentar\r\nBen\r\n") << QStringList{"Anna", "Ben"};
        QTest::newRow("a decomposed umlaut is the same child") << (Decomposed.toUtf8() + "\nÖzlem\n") << QStringList{"Özlem"};
        QTest::newRow("runs of blanks make one name") << QByteArray("  Ben   Luca \nBen Luca\n") << QStringList{"Ben Luca"};
        QTest::newRow("case alone does not make another child, but is kept")
            << QByteArray("anna\nAnna\n") << QStringList{"Anna", "anna"};
        QTest::newRow("nothing that could lead out of the class folder")
            << QByteArray("../lehrer\na/b\n.versteckt\nklassenliste.txt\nCem\n") << QStringList{"Cem"};
        QTest::newRow("a control character or a name over 40 characters is no name")
            << (QByteArray("Be\x01n\n") + QByteArray(41, 'x') + "\n" + QByteArray(40, 'y') + "\n")
            << QStringList{QString(40, QLatin1Char('y'))};
        QTest::newRow("an empty file has no children") << QByteArray() << QStringList();
    }
    void namesAreReadOnceEachInClassOrder()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, names);
        QCOMPARE(ParseClassList(text), names);
    }

    void writtenListReadsBackAsTheSameClass_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("sorted, one per line, after a comment")
            << QStringList{"Özlem", "Ben Luca", "Anna"}
            << QByteArray("# Brimbelo: die Kinder dieser Klasse, ein Name je Zeile\nAnna\nBen Luca\nÖzlem\n");
        QTest::newRow("an empty class") << QStringList() << QByteArray("# Brimbelo: die Kinder dieser Klasse, ein Name je Zeile\n");
    }
    void writtenListReadsBackAsTheSameClass()
    {
        QFETCH(QStringList, names);
        QFETCH(QByteArray, text);
        QCOMPARE(ClassListText(names), text);
        QStringList sorted = names;
        SortAsClassList(sorted);
        QCOMPARE(ParseClassList(ClassListText(names)), sorted);
    }

    void aChildAlwaysFindsTheSameAnimal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sameChild");
        QTest::newRow("umlaut typed decomposed") << QStringLiteral("Özlem") << Decomposed;
        QTest::newRow("blanks around and between") << QStringLiteral("Ben Luca") << QStringLiteral(" Ben  Luca ");
    }
    void aChildAlwaysFindsTheSameAnimal()
    {
        QFETCH(QString, name);
        QFETCH(QString, sameChild);
        const AnimalPicture picture = AnimalPictureOf(name);
        QCOMPARE(AnimalPictureOf(sameChild).animal, picture.animal);
        QCOMPARE(AnimalPictureOf(sameChild).background, picture.background);
        QVERIFY(picture.animal >= 0 && picture.animal < AnimalCount);
        QVERIFY(picture.background >= 0 && picture.background < BackgroundCount);
    }

    // The stirred FNV-1a of "Ben" is 0xc64d078c (computed apart from the program; mod 12
    // and div 12 mod 6): a picture that changed with a new version or another computer
    // would make a child look for an animal that is no longer hers.
    void animalsDoNotChangeBetweenVersions()
    {
        QCOMPARE(AnimalPictureOf(QStringLiteral("Ben")).animal, 8);
        QCOMPARE(AnimalPictureOf(QStringLiteral("Ben")).background, 5);
    }

    void aClassOfThirtyGetsManyAnimals()
    {
        QSet<int> animals;
        QSet<QPair<int, int>> pictures;
        for (int i = 0; i < 30; ++i) {
            const AnimalPicture picture = AnimalPictureOf(QStringLiteral("Kind %1").arg(i));
            animals.insert(picture.animal);
            pictures.insert({picture.animal, picture.background});
        }
        QVERIFY2(animals.size() >= 9, qPrintable(QString::number(animals.size())));
        QVERIFY2(pictures.size() >= 20, qPrintable(QString::number(pictures.size())));
    }

    void aLogFolderWithAClassListIsASharedAccount_data()
    {
        QTest::addColumn<QString>("listKind");
        QTest::addColumn<bool>("logging");
        QTest::addColumn<bool>("shared");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("an account of one's own") << "none" << true << false << QStringList();
        QTest::newRow("a class on one account") << "list" << true << true << QStringList{"Ben Luca", "Özlem"};
        QTest::newRow("logging off asks no one") << "list" << false << false << QStringList();
        QTest::newRow("a folder of that name is no list") << "folder" << true << false << QStringList();
        QTest::newRow("an oversized list names no child, so none logs into the class folder")
            << "oversized" << true << true << QStringList();
    }
    void aLogFolderWithAClassListIsASharedAccount()
    {
        QFETCH(QString, listKind);
        QFETCH(bool, logging);
        QFETCH(bool, shared);
        QFETCH(QStringList, names);
        QTemporaryDir classFolder;
        const QString listPath = classFolder.filePath(QLatin1String(ClassListFileName));
        if (listKind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(listPath));
        } else if (listKind != QLatin1String("none")) {
            QFile list(listPath);
            QVERIFY(list.open(QIODevice::WriteOnly));
            list.write(listKind == QLatin1String("list") ? QByteArray("Özlem\nBen Luca\n") : QByteArray(65 * 1024, 'x'));
        }
        const LogSettings settings{QString(), logging ? classFolder.path() + QLatin1Char('/') : QString(), logging, 3};
        const std::optional<QStringList> found = SharedClassNames(settings);
        QCOMPARE(found.has_value(), shared);
        if (found)
            QCOMPARE(*found, names);
    }

    void aPickedChildLogsInHerOwnFolder()
    {
        const LogSettings classSettings{QStringLiteral("/etc/brimbelo/wolf.cfg"), QStringLiteral("/srv/brimbelo/1a/"), true, 3};
        const LogSettings child = ChildLogSettings(classSettings, QStringLiteral("Ben Luca"));
        QCOMPARE(child.logDirectory, QStringLiteral("/srv/brimbelo/1a/Ben Luca/"));
        QCOMPARE(child.minimumLog, 3);
        QVERIFY(child.logEnabled);
    }

    void teacherChangesTheClassListWrongly_data()
    {
        QTest::addColumn<bool>("listIsLink");
        QTest::addColumn<bool>("adds");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("names");
        const QStringList before{"Ben", "Özlem"};
        QTest::newRow("a typed name is kept as the list keeps names")
            << false << true << QStringLiteral("  Emma   Sophie ") << QString() << QStringList{"Ben", "Emma Sophie", "Özlem"};
        QTest::newRow("a name already listed, typed decomposed")
            << false << true << Decomposed << QStringLiteral("Özlem steht schon in der Klassenliste.") << before;
        QTest::newRow("a name that could lead out of the class folder")
            << false << true << QStringLiteral("../lehrer")
            << QStringLiteral("„../lehrer“ kann kein Name sein: 1 bis 40 Zeichen, kein „/“, kein Punkt am Anfang.") << before;
        QTest::newRow("a struck name leaves the list") << false << false << QStringLiteral("Ben") << QString() << QStringList{"Özlem"};
        QTest::newRow("a name not listed cannot be struck")
            << false << false << QStringLiteral("Cem") << QStringLiteral("Cem steht nicht in der Klassenliste.") << before;
        QTest::newRow("a link in place of the list carries no other file into it")
            << true << true << QStringLiteral("Cem")
            << QStringLiteral("Die Klassenliste lässt sich nicht lesen: an dieser Stelle steht eine Verknüpfung.") << QStringList();
    }
    void teacherChangesTheClassListWrongly()
    {
        QFETCH(bool, listIsLink);
        QFETCH(bool, adds);
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        QFETCH(QStringList, names);
        QTemporaryDir classFolder;
        const QString listPath = classFolder.filePath(QLatin1String(ClassListFileName));
        const QString elsewhere = classFolder.filePath(QStringLiteral("anderswo.txt"));
        QFile list(listIsLink ? elsewhere : listPath);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Özlem\nBen\n");
        list.close();
        if (listIsLink)
            QVERIFY(QFile::link(elsewhere, listPath));
        QVERIFY(QDir(classFolder.path()).mkdir(QStringLiteral("Ben")));

        const QString said = adds ? AddToClassList(classFolder.path(), name) : StrikeFromClassList(classFolder.path(), name);
        QCOMPARE(said, refusal);
        QCOMPARE(ClassListIn(classFolder.path()).value_or(QStringList()), names);
        // Her folder stays for the teacher to delete; nothing but the list is left behind.
        QVERIFY(QFileInfo(classFolder.filePath(QStringLiteral("Ben"))).isDir());
        QCOMPARE(QDir(classFolder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), listIsLink ? 2 : 1);
        if (listIsLink)
            QVERIFY(QFileInfo(listPath).isSymLink());
        else if (refusal.isEmpty())
            QCOMPARE(QFile::permissions(listPath), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                                                       | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther);
    }

    // The class folder is set-group-ID: the child's folder must pass the teachers' group on
    // and let them write, whatever the shared account's mask says.
    void folderMadeAtTheFirstPickShutsOutTheTeachers()
    {
        QTemporaryDir classFolder;
        QVERIFY(QFile::setPermissions(classFolder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(::chmod(QFile::encodeName(classFolder.path()).constData(), 02770), 0);
        const mode_t mask = ::umask(022);
        const LogSettings settings{QString(), classFolder.path() + QLatin1Char('/'), true, 3};
        QCOMPARE(MakeChildFolder(settings, QStringLiteral("Emma Sophie")), QString());
        ::umask(mask);
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(classFolder.filePath(QStringLiteral("Emma Sophie"))).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, mode_t(02770));
        QCOMPARE(MakeChildFolder(settings, QStringLiteral("Emma Sophie")), QString());
        const LogSettings gone{QString(), classFolder.filePath(QStringLiteral("weg/")), true, 3};
        QVERIFY(MakeChildFolder(gone, QStringLiteral("Emma Sophie")).contains(QStringLiteral("Lehrerin")));
    }

    void eachChildKeepsHerOwnChoices_data()
    {
        QTest::addColumn<QString>("child");
        QTest::newRow("a name with an umlaut and a blank") << QStringLiteral("Özlem Su");
        QTest::newRow("a name like the program's") << QStringLiteral("Brimbelo");
    }
    void eachChildKeepsHerOwnChoices()
    {
        QFETCH(QString, child);
        const QString key = QStringLiteral("Test/Vorlesen");
        AccountSettings().setValue(key, false);
        KeepChoicesFor(child);
        UserSettings().setValue(key, true);
        QCOMPARE(UserSettings().value(key).toBool(), true);
        KeepChoicesFor(QStringLiteral("Anna"));
        QVERIFY(!UserSettings().contains(key));
        KeepChoicesFor(QString());
        QCOMPARE(UserSettings().value(key).toBool(), false);
        QCOMPARE(AccountSettings().value(key).toBool(), false);
        KeepChoicesFor(child);
        UserSettings().remove(key);
        KeepChoicesFor(QString());
        AccountSettings().remove(key);
    }
};

QTEST_GUILESS_MAIN(TestClassList)
#include "tst_classlist.moc"
