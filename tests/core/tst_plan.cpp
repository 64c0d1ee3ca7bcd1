// The teacher's plan as a child's program meets it: which kinds the menu offers, after how
// many answers a run ends, today's kind, a child's own plan before the class's, and every
// kind of damaged plan counting as none.

#include "plan/PlanFiles.h"
#include "kinds/Kinds.h"
#include "run/RunState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Child = QStringLiteral("Ben Luca");

// How the class's plan file is put in place.
enum class Placed { Plain, Link, Fifo, Unreadable, Folder };

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void placeClassPlan(const QString &classFolder, const QByteArray &text, Placed placed)
{
    const QString path = ClassPlanPath(classFolder);
    switch (placed) {
    case Placed::Plain:
        writeFile(path, text);
        break;
    case Placed::Link:
        writeFile(classFolder + QStringLiteral("/elsewhere.cfg"), text);
        QVERIFY(QFile::link(classFolder + QStringLiteral("/elsewhere.cfg"), path));
        break;
    case Placed::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        break;
    case Placed::Unreadable:
        writeFile(path, text);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        break;
    case Placed::Folder:
        QVERIFY(QDir().mkpath(path));
        break;
    }
}

QList<qint32> offeredKinds(const std::optional<ClassPlan> &plan)
{
    QList<qint32> offered;
    for (const KindInfo *kind : PractisedKinds()) {
        if (!plan || plan->offers(kind->code))
            offered.append(kind->code);
    }
    return offered;
}

QList<qint32> everyKind()
{
    return offeredKinds(std::nullopt);
}

// Every fourth answer wrong: 50 right answers, the usual end, take 66 answers.
constexpr int AlwaysEndsAfter = 66;

// Answers, every fourth one wrong, until the run says it is over; the answers it took.
int answersUntilTheRunEnds(qint32 tasksPerRun)
{
    PracticeRun run;
    run.tasksPerRun = tasksPerRun;
    run.reset();
    int answers = 0;
    while (!run.limitReached() && answers < 1000) {
        // A new task posed, as the exercise window would.
        run.newTaskDue = false;
        run.currentTask.taskFailed = false;
        run.currentTask.expectedAnswer = 7;
        run.recordAnswer(answers % 4 == 3 ? 8 : 7);
        run.moveOnAfterCorrection();
        ++answers;
    }
    return answers;
}

} // namespace

class TestPlan : public QObject
{
    Q_OBJECT
private slots:
    void planDecidesMenuRunLengthAndToday_data()
    {
        QTest::addColumn<QByteArray>("classPlan");   // empty: no file
        QTest::addColumn<int>("placed");
        QTest::addColumn<QByteArray>("childPlan");   // empty: no file
        QTest::addColumn<QList<qint32>>("offered");  // empty: every kind
        QTest::addColumn<qint32>("today");
        QTest::addColumn<int>("answers");            // after which the run ends

        const int plain = int(Placed::Plain);
        const QList<qint32> all;
        QTest::newRow("no plan: every kind, the run as always") << QByteArray() << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("planned kinds and ten tasks") << QByteArray("Uebungen=301,302\nAufgaben=10\n") << plain << QByteArray()
                                                     << QList<qint32>{301, 302} << 0 << 10;
        QTest::newRow("kinds typed in any order, blanks, CRLF, comments")
            << QByteArray("; Klasse 4b\r\n# Rundung\r\n Uebungen = 302, 301 \r\nAufgaben= 30\r\n") << plain << QByteArray()
            << QList<qint32>{301, 302} << 0 << 30;
        QTest::newRow("today's kind among the planned") << QByteArray("Uebungen=301,302\nHeute=302\n") << plain << QByteArray()
                                                        << QList<qint32>{301, 302} << 302 << AlwaysEndsAfter;
        QTest::newRow("today's kind without a list of kinds") << QByteArray("Heute=401\nAufgaben=20") << plain << QByteArray()
                                                              << all << 401 << 20;
        QTest::newRow("a child's own plan before the class's")
            << QByteArray("Uebungen=301\nAufgaben=10\n") << plain << QByteArray("Uebungen=501,503\nAufgaben=20\n")
            << QList<qint32>{501, 503} << 0 << 20;
        QTest::newRow("a child's damaged own plan leaves her the class's")
            << QByteArray("Uebungen=301\nAufgaben=10\n") << plain << QByteArray("Uebungen=kaputt\n") << QList<qint32>{301} << 0 << 10;
        QTest::newRow("garbage") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10) << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("a line without =") << QByteArray("Uebungen 301\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("an unknown key") << QByteArray("Uebungen=301\nFarbe=rot\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("a key twice") << QByteArray("Uebungen=301\nUebungen=302\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("an unknown kind") << QByteArray("Uebungen=301,999\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("a kind without a menu entry") << QByteArray("Uebungen=204\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("no kind at all") << QByteArray("Uebungen=,\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("more tasks than a run has") << QByteArray("Aufgaben=51\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("tasks not a number") << QByteArray("Aufgaben=zehn\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("today's kind not planned") << QByteArray("Uebungen=301\nHeute=401\n") << plain << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("too large") << QByteArray("Uebungen=301\n") + QByteArray(MaxPlanBytes, '#') << plain << QByteArray() << all
                                   << 0 << AlwaysEndsAfter;
        QTest::newRow("a link") << QByteArray("Uebungen=301\n") << int(Placed::Link) << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("a FIFO") << QByteArray() << int(Placed::Fifo) << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("a folder") << QByteArray() << int(Placed::Folder) << QByteArray() << all << 0 << AlwaysEndsAfter;
        QTest::newRow("unreadable") << QByteArray("Uebungen=301\n") << int(Placed::Unreadable) << QByteArray() << all << 0 << AlwaysEndsAfter;
    }
    void planDecidesMenuRunLengthAndToday()
    {
        QFETCH(QByteArray, classPlan);
        QFETCH(int, placed);
        QFETCH(QByteArray, childPlan);
        QFETCH(QList<qint32>, offered);
        QFETCH(qint32, today);
        QFETCH(int, answers);
        if (Placed(placed) == Placed::Unreadable && ::geteuid() == 0)
            QSKIP("root reads every file");
        QTemporaryDir classFolder;
        QVERIFY(QDir().mkpath(PlanFolder(classFolder.path())));
        QVERIFY(QDir(classFolder.path()).mkdir(Child));
        if (!classPlan.isEmpty() || Placed(placed) != Placed::Plain)
            placeClassPlan(classFolder.path(), classPlan, Placed(placed));
        if (!childPlan.isEmpty())
            writeFile(ChildPlanPath(classFolder.path(), Child), childPlan);

        // The program finds the plan from the child's log folder, as the settings name it.
        const std::optional<ClassPlan> plan = PlanForLogFolder(classFolder.filePath(Child) + QLatin1Char('/'));
        QCOMPARE(offeredKinds(plan), offered.isEmpty() ? everyKind() : offered);
        QCOMPARE(plan ? plan->today : 0, today);
        QCOMPARE(answersUntilTheRunEnds(plan ? plan->tasksPerRun : 0), answers);
    }

    void writtenPlanReadsBackWholeAndReadableByAll_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<qint32>("tasks");
        for (int grade = 1; grade <= 4; ++grade)
            QTest::addRow("Klasse %d", grade) << grade << TaskChoices.at(size_t(grade) % TaskChoices.size());
    }
    void writtenPlanReadsBackWholeAndReadableByAll()
    {
        QFETCH(int, grade);
        QFETCH(qint32, tasks);
        QTemporaryDir classFolder;
        QVERIFY(QDir().mkpath(PlanFolder(classFolder.path())));
        ClassPlan plan;
        plan.kinds = GradeKinds(grade);
        QVERIFY(!plan.kinds.isEmpty());
        plan.tasksPerRun = tasks;
        plan.today = plan.kinds.last();
        const QString path = ClassPlanPath(classFolder.path());
        writeFile(path, "Uebungen=301\n");
        QCOMPARE(WritePlanFile(path, plan), QString());
        const PlanFile read = ReadPlanFile(path);
        QCOMPARE(int(read.state), int(PlanState::Usable));
        QCOMPARE(read.plan, plan);
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0644));
        // Nothing written aside is left behind.
        QCOMPARE(QDir(PlanFolder(classFolder.path())).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("klasse.cfg")});
    }

    void planThatCannotBeUsedIsNotWritten()
    {
        QTemporaryDir classFolder;
        QVERIFY(QDir().mkpath(PlanFolder(classFolder.path())));
        ClassPlan plan;
        plan.kinds = {301};
        plan.today = 401;
        QVERIFY(!WritePlanFile(ClassPlanPath(classFolder.path()), plan).isEmpty());
        QCOMPARE(int(ReadPlanFile(ClassPlanPath(classFolder.path())).state), int(PlanState::Absent));
    }

    void weekWorkCountsRunsSinceMondayOnly_data()
    {
        QTest::addColumn<QDate>("lastRoundingRun");
        QTest::addColumn<int>("done");
        const QDate wednesday(2026, 12, 9);
        QTest::newRow("this Monday") << wednesday.addDays(-2) << 1;
        QTest::newRow("today") << wednesday << 1;
        QTest::newRow("last Sunday") << wednesday.addDays(-3) << 0;
    }
    void weekWorkCountsRunsSinceMondayOnly()
    {
        QFETCH(QDate, lastRoundingRun);
        QFETCH(int, done);
        ClassPlan plan;
        plan.kinds = {301, 302};
        const WeekWork work = WorkThisWeek(plan, {{FindKind(301)->logTitle.toString(), lastRoundingRun}}, QDate(2026, 12, 9));
        QCOMPARE(work.kindsDone, done);
        QCOMPARE(work.kindsPlanned, 2);
        QVERIFY(!work.done());
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
