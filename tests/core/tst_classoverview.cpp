// The class overview from class folders built here: which runs count, which is the newest,
// which child folders are reported instead, in which order, and that the folder stays as
// it was; then the table a teacher sees of it and its export.

#include "RunCounts.h"
#include "log/class/ClassTable.h"
#include "log/class/PlanWork.h"
#include "plan/PlanFiles.h"
#include "core/Cp1252.h"
#include "log/LogFile.h"

#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// A child's folder as the test builds it: the records of its log, or one of the markers.
using ClassFolder = QMap<QString, QStringList>;
const QString NoLog = QStringLiteral("<kein bm.log>");
const QString LogIsFolder = QStringLiteral("<bm.log ist ein Ordner>");
const QString LogIsLink = QStringLiteral("<bm.log ist eine Verknüpfung>");
const QString LogIsHole = QStringLiteral("<bm.log ist 2 GiB lang und belegt nichts>");

QString record(const QString &when, int percent, const QString &title)
{
    return when + RunCountsFor(percent) + QStringLiteral(" 12,61 sec  ") + title;
}

bool writeLog(const QString &path, const QStringList &records)
{
    QByteArray bytes;
    for (const QString &line : records)
        bytes += MaskLogText(EncodeCp1252(line)) + "\r\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool build(const QString &root, const ClassFolder &children)
{
    const QDir dir(root);
    for (auto child = children.begin(); child != children.end(); ++child) {
        const QString log = ChildLogPath(root, child.key());
        if (!dir.mkpath(child.key()))
            return false;
        if (child.value() == QStringList{NoLog})
            continue;
        if (child.value() == QStringList{LogIsFolder}) {
            if (!dir.mkpath(child.key() + QStringLiteral("/bm.log")))
                return false;
        } else if (child.value() == QStringList{LogIsLink}) {
            const QString elsewhere = dir.filePath(QStringLiteral("fremd.log"));
            if (!writeLog(elsewhere, {record("01.12.26 10:00:00", 90, "Zählen")}) || !QFile::link(elsewhere, log))
                return false;
        } else if (child.value() == QStringList{LogIsHole}) {
            if (!writeLog(log, {}) || !QFile::resize(log, qint64(2) << 30))
                return false;
        } else if (!writeLog(log, child.value())) {
            return false;
        }
    }
    return true;
}

// Everything in the folder with its size and time of change.
QStringList snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        entries << QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

QStringList shown(const QList<ChildExerciseSummary> &rows)
{
    QStringList lines;
    for (const ChildExerciseSummary &row : rows) {
        lines << QStringLiteral("%1|%2|%3|%4|%5|%6").arg(row.child, row.exercise).arg(row.runs)
                     .arg(row.lastDate.toString(Qt::ISODate)).arg(row.lastPercent).arg(row.lastGrade);
    }
    return lines;
}

ChildExerciseSummary summary(const QString &child, const QString &exercise, int runs, int percent, const QString &grade)
{
    return {child, exercise, runs, QDate(2026, 12, 5), percent, grade};
}

} // namespace

class TestClassOverview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void classFolderMisread_data()
    {
        QTest::addColumn<ClassFolder>("children");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("problems");

        QTest::newRow("children with several exercises")
            << ClassFolder{{"anna", {record("05.12.26 10:00:00", 80, "Runde auf Zehner"),
                                     record("06.12.26 10:00:00", 100, "Zahlenstrahl bis 200"),
                                     record("07.12.26 10:00:00", 45, "Runde auf Zehner")}},
                           {"ben", {record("01.12.26 08:15:00", 94, "Zählen")}}}
            << QStringList{"anna|Runde auf Zehner|2|2026-12-07|45|5+", "anna|Zahlenstrahl bis 200|1|2026-12-06|100|1+",
                           "ben|Zählen|1|2026-12-01|94|1 "}
            << QStringList{};
        QTest::newRow("newest is the last appended, not the latest date; years are 20yy")
            << ClassFolder{{"anna", {record("02.01.26 09:00:00", 70, "Zählen"), record("30.12.25 17:00:00", 20, "Zählen"),
                                     record("05.12.26 14:00:00", 90, "Abstände"),
                                     record("05.12.26 09:00:00", 40, "Abstände")}}}
            << QStringList{"anna|Abstände|2|2026-12-05|40|5 ", "anna|Zählen|2|2025-12-30|20|6"}
            << QStringList{};
        const QDate today = QDate::currentDate();
        QTest::newRow("a forged run dated tomorrow 23:59:59 is not the newest")
            << ClassFolder{{"anna", {record(today.addDays(1).toString("dd.MM.yy") + " 23:59:59", 100, "Zählen"),
                                     record(today.toString("dd.MM.yy") + " 10:00:00", 0, "Zählen")}}}
            << QStringList{"anna|Zählen|2|" + today.toString(Qt::ISODate) + "|0|6"} << QStringList{};
        QTest::newRow("a duplicate record counts once")
            << ClassFolder{{"anna", {record("05.12.26 10:00:00", 80, "Zählen"), record("05.12.26 10:00:00", 80, "Zählen"),
                                     record("04.12.26 10:00:00", 60, "Zählen")}}}
            << QStringList{"anna|Zählen|2|2026-12-04|60|4 "} << QStringList{};
        QTest::newRow("malformed records are left out")
            << ClassFolder{{"anna", {"kaputt", " " + record("09.12.26 10:00:00", 10, "Zählen"),
                                     record("31.02.26 10:00:00", 10, "Zählen"), record("09.12.26 10:00:00", 180, "Zählen"),
                                     record("04.12.26 10:00:00", 60, "Zählen")}}}
            << QStringList{"anna|Zählen|1|2026-12-04|60|4 "}
            << QStringList{"anna: Das Protokoll enthält 4 nicht lesbare Einträge."};
        QTest::newRow("records no run can write are named with their number")
            << ClassFolder{{"anna", {record("05.12.26 10:00:00", 80, "Fake 000"), record("05.12.26 11:00:00", 80, "Zählen"),
                                     record("05.12.26 12:00:00", 80, "Fake 000")}},
                           {"ben", {record("05.12.26 10:00:00", 80, "Zählen"), record("06.12.26 10:00:00", 80, "Zahlenst")}}}
            << QStringList{"anna|Zählen|1|2026-12-05|80|3+", "ben|Zählen|1|2026-12-05|80|3+"}
            << QStringList{"anna: Das Protokoll enthält 2 nicht lesbare Einträge.",
                           "ben: Das Protokoll enthält 1 nicht lesbaren Eintrag."};
        QTest::newRow("an empty log")
            << ClassFolder{{"anna", {}}, {"ben", {record("05.12.26 10:00:00", 80, "Zählen")}}}
            << QStringList{"ben|Zählen|1|2026-12-05|80|3+"}
            << QStringList{"anna: Das Protokoll enthält keine Läufe."};
        QTest::newRow("bm.log is a folder")
            << ClassFolder{{"anna", {LogIsFolder}}, {"ben", {record("05.12.26 10:00:00", 80, "Zählen")}}}
            << QStringList{"ben|Zählen|1|2026-12-05|80|3+"}
            << QStringList{"anna: bm.log ist ein Ordner, keine Protokolldatei."};
        QTest::newRow("a child folder without a log")
            << ClassFolder{{"anna", {record("05.12.26 10:00:00", 80, "Zählen")}}, {"ben", {NoLog}}}
            << QStringList{"anna|Zählen|1|2026-12-05|80|3+"} << QStringList{"ben: Keine Protokolldatei vorhanden."};
        QTest::newRow("bm.log is a link, not followed")
            << ClassFolder{{"anna", {LogIsLink}}} << QStringList{}
            << QStringList{"anna: Keine Protokolldatei vorhanden (bm.log ist nur eine Verknüpfung)."};
        QTest::newRow("a log of 2 GiB that takes no room")
            << ClassFolder{{"anna", {LogIsHole}}, {"ben", {record("05.12.26 10:00:00", 80, "Zählen")}}}
            << QStringList{"ben|Zählen|1|2026-12-05|80|3+"}
            << QStringList{"anna: bm.log wird nicht gelesen. Sie ist 2048,0 MB groß; gelesen werden höchstens 64,0 MB."};
        QTest::newRow("names with umlauts in German order, case ignored")
            << ClassFolder{{"Zoe", {record("05.12.26 10:00:00", 80, "Zählen")}},
                           {"Özlem", {record("05.12.26 10:00:00", 80, "Zahlenfolgen"),
                                      record("05.12.26 11:00:00", 80, "Zählen")}},
                           {"paul", {NoLog}},
                           {"Jürgen", {record("05.12.26 10:00:00", 80, "Zählen")}},
                           {"julia", {record("05.12.26 10:00:00", 80, "Zählen")}},
                           {"Oskar", {NoLog}}}
            << QStringList{"julia|Zählen|1|2026-12-05|80|3+", "Jürgen|Zählen|1|2026-12-05|80|3+",
                           "Özlem|Zählen|1|2026-12-05|80|3+", "Özlem|Zahlenfolgen|1|2026-12-05|80|3+",
                           "Zoe|Zählen|1|2026-12-05|80|3+"}
            << QStringList{"Oskar: Keine Protokolldatei vorhanden.", "paul: Keine Protokolldatei vorhanden."};
    }
    void classFolderMisread()
    {
        QFETCH(ClassFolder, children);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, problems);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(build(root.path(), children));
        // A file beside the children is nobody's folder.
        QVERIFY(writeLog(root.filePath(QStringLiteral("notizen.txt")), {}));
        const QStringList before = snapshot(root.path());

        const ClassOverview overview = ReadClassOverview(root.path());
        QCOMPARE(shown(overview.rows), rows);
        QCOMPARE(overview.problems, problems);
        QCOMPARE(snapshot(root.path()), before);
    }

    void unreadableLogGivesWrongReason()
    {
        // Seen from an account that may not read the logs; the superuser may read them all.
        QTemporaryDir root;
        QVERIFY(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                       | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(build(root.path(), {{"anna", {record("05.12.26 10:00:00", 80, "Zählen")}},
                                    {"ben", {record("05.12.26 10:00:00", 80, "Zählen")}}}));
        QVERIFY(QFile::setPermissions(root.filePath(QStringLiteral("anna")), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile::setPermissions(ChildLogPath(root.path(), QStringLiteral("ben")), QFile::ReadOwner));
        const QString helper = qEnvironmentVariable("BRIMBELO_TEST_HELPERS") + QStringLiteral("/class_problems");
        QProcess overview;
        if (::geteuid() == 0)
            overview.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                                       QStringLiteral("--clear-groups"), helper, root.path()});
        else
            overview.start(helper, {root.path()});
        QVERIFY(overview.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(overview.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{"anna: bm.log kann nicht gelesen werden: keine Berechtigung",
                              "ben: bm.log kann nicht gelesen werden: keine Berechtigung"}));
    }

    void classFolderWithoutChildrenNotReported()
    {
        ClassOverview overview = ReadClassOverview(QStringLiteral("/nirgends/klasse-3b"));
        QVERIFY(overview.rows.isEmpty());
        QCOMPARE(overview.problems, QStringList{"Der Klassenordner /nirgends/klasse-3b kann nicht gelesen werden."});

        QTemporaryDir root;
        QVERIFY(writeLog(root.filePath(QStringLiteral("bm.log")), {record("05.12.26 10:00:00", 80, "Zählen")}));
        overview = ReadClassOverview(root.path());
        QVERIFY(overview.rows.isEmpty());
        QCOMPARE(overview.problems,
                 QStringList{QStringLiteral("Der Klassenordner %1 enthält keine Ordner von Kindern.").arg(root.path())});
    }

    void tableNotLaidOutAsTheTeacherReadsIt()
    {
        ClassOverview overview;
        overview.rows = {summary("anna", "Runde auf Zehner", 3, 84, "2-"), summary("anna", "Zählen", 1, 79, "3+"),
                         summary("ben", "Zahlenfolgen", 2, 44, "5+")};
        const ClassTable table = LayOutClassTable(overview);
        QCOMPARE(table.columns, (QStringList{"Läufe", "Runde auf Zehner", "Zählen", "Zahlenfolgen"}));
        QCOMPARE(table.children, (QStringList{"anna", "ben"}));
        QStringList texts;
        for (const QList<ClassTableCell> &row : table.cells) {
            for (const ClassTableCell &cell : row)
                texts << cell.text;
        }
        QCOMPARE(texts, (QStringList{"4", "2-", "3+", "", "2", "", "", "5+"}));

        const ClassTableCell &rounding = table.cells[0][1];
        QCOMPARE(rounding.toolTip, QStringLiteral("3 Läufe, zuletzt am 05.12.26: 84 % richtig, Note 2-"));
        QCOMPARE(table.cells[0][2].toolTip, QStringLiteral("1 Lauf, zuletzt am 05.12.26: 79 % richtig, Note 3+"));
        QCOMPARE(rounding.exercise, QStringLiteral("Runde auf Zehner"));
        QVERIFY(rounding.opensLog && table.cells[0][0].opensLog && table.cells[0][0].exercise.isEmpty());
        QVERIFY(!table.cells[1][1].opensLog && !table.cells[1][1].background.isValid());

        // Three light colours: green, yellow and red, each for two grades.
        const QColor green = rounding.background, yellow = table.cells[0][2].background, red = table.cells[1][3].background;
        QVERIFY(green.green() > green.red() && green.lightness() > 180);
        QVERIFY(yellow.red() > yellow.blue() + 40 && yellow.green() > yellow.blue() + 40 && yellow.lightness() > 180);
        QVERIFY(red.red() > red.green() + 30 && red.lightness() > 180);
        QCOMPARE(GradeColour("1+"), green);
        QCOMPARE(GradeColour("4-"), yellow);
        QCOMPARE(GradeColour("6"), red);

        QCOMPARE(ClassTableAsCsv(table), QStringLiteral("\xFEFFKind;Läufe;Runde auf Zehner;Zählen;Zahlenfolgen\r\n"
                                                        "anna;4;2-;3+;\r\nben;2;;;5+\r\n").toUtf8());
    }

    void planWorkNotCountedFromThisWeeksPlannedRuns()
    {
        QTemporaryDir root;
        const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yy 10:00:00"));
        const QString lastWeek = QDate::currentDate().addDays(-8).toString(QStringLiteral("dd.MM.yy 10:00:00"));
        QVERIFY(build(root.path(), {{"anna", {record(today, 90, "Runde auf Zehner"), record(lastWeek, 90, "Runde auf Hunderter")}},
                                    {"ben", {record(today, 60, "Runde auf Zehner")}},
                                    {"cem", {record(today, 90, "Zählen")}}}));
        const ClassOverview withoutPlan = ReadClassOverview(root.path());
        ClassTable table = LayOutClassTable(withoutPlan);
        AddPlanWorkColumn(table, withoutPlan, root.path(), QDate::currentDate());
        QCOMPARE(table.columns.size(), 4);   // no plan, no column

        QVERIFY(QDir().mkpath(PlanFolder(root.path())));
        const auto write = [](const QString &path, const QByteArray &text) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        QVERIFY(write(ClassPlanPath(root.path()), "Uebungen=301,302\n"));
        QVERIFY(write(ChildPlanPath(root.path(), "ben"), "Uebungen=301\n"));
        QVERIFY(write(ChildPlanPath(root.path(), "cem"), "Heute=999\n"));
        const ClassOverview overview = ReadClassOverview(root.path());
        // The plans' folder is no child's.
        QCOMPARE(overview.problems, QStringList());
        table = LayOutClassTable(overview);
        QCOMPARE(table.children, (QStringList{"anna", "ben", "cem"}));
        AddPlanWorkColumn(table, overview, root.path(), QDate::currentDate());
        QCOMPARE(table.columns.at(1), QStringLiteral("Plan diese Woche"));
        QCOMPARE(table.cells[0][1].text, QStringLiteral("1 von 2"));
        QVERIFY(!table.cells[0][1].background.isValid());
        QCOMPARE(table.cells[1][1].text, QStringLiteral("1 von 1"));
        QCOMPARE(table.cells[1][1].background, GradeColour("1"));
        QCOMPARE(table.cells[2][1].text, QStringLiteral("0 von 2"));
        QCOMPARE(table.cells[0].size(), table.columns.size());
        const QStringList unusable = UnusablePlans(root.path(), table.children);
        QCOMPARE(unusable.size(), 1);
        QVERIFY2(unusable.first().startsWith(QStringLiteral("Der eigene Plan von cem gilt nicht")), qPrintable(unusable.first()));
    }

    void writingIntoClassFolderNotRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("inside");
        QTest::newRow("beside the children") << "klasse/tabelle.csv" << true;
        QTest::newRow("in a child's folder") << "klasse/anna/tabelle.csv" << true;
        QTest::newRow("a child's log") << "klasse/anna/bm.log" << true;
        QTest::newRow("through a link") << "verknüpfung/tabelle.csv" << true;
        QTest::newRow("a folder with a longer name") << "klasse-alt/tabelle.csv" << false;
        QTest::newRow("out by a detour") << "klasse/../tabelle.csv" << false;
    }
    void writingIntoClassFolderNotRefused()
    {
        QFETCH(QString, path);
        QFETCH(bool, inside);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(build(root.filePath("klasse"), {{"anna", {record("05.12.26 10:00:00", 80, "Zählen")}}}));
        QVERIFY(QDir(root.path()).mkdir("klasse-alt"));
        QVERIFY(QFile::link(root.filePath("klasse"), root.filePath("verknüpfung")));
        QCOMPARE(IsInsideFolder(root.filePath(path), root.filePath("klasse")), inside);
    }
};

QTEST_GUILESS_MAIN(TestClassOverview)
#include "tst_classoverview.moc"
