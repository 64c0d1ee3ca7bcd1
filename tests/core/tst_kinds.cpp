// The registry of kinds against the program's own expectations: every kind has its row
// here (and so a generator test), its flags say what the window and the voice must do,
// its largest number and grade fit what its tasks show, and the command line finds it.

#include "TestSupport.h"
#include "kinds/Kinds.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

struct Expected
{
    qint32 code;
    const char *logTitle;        // as every old log holds it
    const char *menuCaption;     // empty: no menu entry
    bool pointing;
    bool redrawn;
    const char *generatorTest;   // the test file under tests/core/ that checks its generator
};

// Written out by hand: a change in the registry must agree with this list.
const QList<Expected> &expectations()
{
    static const QList<Expected> rows = {
        {102, "Zahlenstrahl bis 200", "Zahlenstrahl bis     &200", false, true, "tst_NumberLineTasks.cpp"},
        {103, "Zahlenstrahl bis 1000", "Zahlenstrahl bis  &1 000", false, true, "tst_NumberLineTasks.cpp"},
        {104, "Zahlenstrahl bis 10 000", "Zahlenstrahl bis 10 &000", false, true, "tst_NumberLineTasks.cpp"},
        {105, "Gemischte Aufgaben zum Zahlenstrahl", "ge&mischte Aufgaben", false, true, "tst_NumberLineTasks.cpp"},
        {109, "Zahlen zeigen", "Zahlen am Zahlenstrahl &zeigen", true, true, "tst_NumberLineTasks.cpp"},
        // The distance picture keeps both arrows at the correction: it is not redrawn.
        {110, "Abstände", "&Abstände", false, false, "tst_NumberLineTasks.cpp"},
        {201, "Schreibe Zahlen bis 1000", "Zahlen bis      1 000", false, false, "tst_writingnumbers.cpp"},
        {202, "Schreibe Zahlen bis 100 000", "Zahlen bis  100 000", false, false, "tst_writingnumbers.cpp"},
        {203, "Schreibe Zahlen größer als 1 Million", "Zahlen über 1 Million", false, false, "tst_writingnumbers.cpp"},
        {204, "", "", false, false, "tst_runstate.cpp"},
        {301, "Runde auf Zehner", "Runde auf &Zehner", false, false, "tst_rounding.cpp"},
        {302, "Runde auf Hunderter", "Runde auf &Hunderter", false, false, "tst_rounding.cpp"},
        {303, "Runde auf Tausender", "Runde auf &Tausender", false, false, "tst_rounding.cpp"},
        {304, "Runde auf Zehntausender", "Runde auf Z&ehntausender", false, false, "tst_rounding.cpp"},
        {305, "Gemischte Aufgaben zum Runden", "&gemischte Aufgaben", false, false, "tst_rounding.cpp"},
        {401, "Römische Zahlen", "&Römische Zahlen", false, false, "tst_romannumerals.cpp"},
        {402, "Zahlenfolgen", "Zahlen&folgen", false, false, "tst_numbersequences.cpp"},
        {403, "Zählen", "\"Z&ählen\"", false, false, "tst_countingdots.cpp"},
        {501, "Zahlenstrahl bis 20", "Zahlenstrahl bis &20", false, true, "tst_firstnumbers.cpp"},
        {502, "Zahlenstrahl bis 100", "Zahlenstrahl bis &100", false, true, "tst_firstnumbers.cpp"},
        {503, "Zahlen zeigen bis 20", "Zahlen &zeigen bis 20", true, true, "tst_firstnumbers.cpp"},
        {504, "Zahlen zeigen bis 100", "Zahlen z&eigen bis 100", true, true, "tst_firstnumbers.cpp"},
        {505, "Schreibe Zahlen bis 100", "Zahlen &schreiben bis 100", false, false, "tst_firstnumbers.cpp"},
        {506, "Zehner und Einer bis 100", "Zehner &und Einer bis 100", false, false, "tst_firstnumbers.cpp"},
        {507, "Wie viele? bis 20", "&Wie viele? bis 20", false, false, "tst_firstnumbers.cpp"},
        {508, "Nachbarzahlen bis 100", "&Nachbarzahlen bis 100", false, false, "tst_neighbournumbers.cpp"},
    };
    return rows;
}

// The largest number of each school year: 20, 100, 1 000, a million.
qint32 GradeRange(int grade)
{
    static const QList<qint32> ranges = {0, 20, 100, 1'000, 1'000'000};
    return ranges.value(grade, 0);
}

// Every number a task shows: in its texts (digit groups joined), its answer and its line.
// The answer of a pointing task is a column of the picture, no number shown.
QList<qint64> numbersShown(const GeneratedTask &task, bool pointing)
{
    static const QRegularExpression number(QStringLiteral("\\d{1,3}(?: \\d{3})+(?!\\d)|\\d+"));
    QList<qint64> numbers;
    if (!pointing)
        numbers << task.expectedAnswer;
    const QStringList texts = {task.taskText, task.solutionText, task.layout.label1.caption.value_or(QString()),
                               task.layout.label3.caption.value_or(QString())};
    for (const QString &text : texts) {
        for (const QRegularExpressionMatch &match : number.globalMatch(text))
            numbers << match.captured().remove(QLatin1Char(' ')).toLongLong();
    }
    if (const auto *line = std::get_if<NumberLinePicture>(&task.picture))
        numbers << line->line.endValue;
    return numbers;
}

} // namespace

class TestKinds : public QObject
{
    Q_OBJECT

private slots:
    void registryDisagreesWithTheProgramsTexts_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < expectations().size(); ++row)
            QTest::newRow(qPrintable(QString::number(expectations().at(row).code))) << row;
    }
    void registryDisagreesWithTheProgramsTexts()
    {
        QFETCH(int, row);
        const Expected &expected = expectations().at(row);
        const KindInfo *kind = FindKind(expected.code);
        QVERIFY(kind != nullptr);
        QCOMPARE(kind->logTitle.toString(), QString::fromUtf8(expected.logTitle));
        QCOMPARE(kind->caption(), QString::fromUtf8(expected.logTitle));
        QCOMPARE(kind->menuCaption.toString(), QString::fromUtf8(expected.menuCaption));
        QCOMPARE(kind->hasMenuEntry(), !kind->menuCaption.isEmpty());
        QCOMPARE(kind->answeredByPointing(), expected.pointing);
        QCOMPARE(kind->redrawsPicture, expected.redrawn);
        QVERIFY(kind->generator != nullptr);
    }

    // A new kind must bring its row above, and with it a test of its generator.
    void kindWithoutGeneratorTest()
    {
        QSet<qint32> expectedCodes;
        for (const Expected &expected : expectations()) {
            expectedCodes.insert(expected.code);
            QVERIFY2(QFile::exists(QDir(QStringLiteral(BRIMBELO_TEST_SOURCE_DIR)).filePath(expected.generatorTest)),
                     expected.generatorTest);
        }
        for (const KindInfo &kind : AllKinds())
            QVERIFY2(expectedCodes.contains(kind.code), qPrintable(QString::number(kind.code)));
        QCOMPARE(qsizetype(AllKinds().size()), expectations().size());
    }

    void twoKindsShareACodeOrALogTitle()
    {
        QSet<qint32> codes;
        QSet<QString> titles;
        for (const KindInfo &kind : AllKinds()) {
            QVERIFY2(!codes.contains(kind.code), qPrintable(QString::number(kind.code)));
            codes.insert(kind.code);
            if (kind.logTitle.isEmpty())
                continue;
            QVERIFY2(!titles.contains(kind.logTitle.toString()), qPrintable(kind.logTitle.toString()));
            titles.insert(kind.logTitle.toString());
            QVERIFY(IsLoggedTitle(kind.logTitle));
        }
        QVERIFY(!IsLoggedTitle(u""));
        QVERIFY(!IsLoggedTitle(u"Zahlenstrahl bis 2000"));
    }

    void taskShowsMoreThanTheLargestNumberOrGradeMisplaced_data()
    {
        QTest::addColumn<qint32>("code");
        for (const KindInfo &kind : AllKinds())
            QTest::newRow(qPrintable(QString::number(kind.code))) << kind.code;
    }
    void taskShowsMoreThanTheLargestNumberOrGradeMisplaced()
    {
        QFETCH(qint32, code);
        const KindInfo &kind = *FindKind(code);
        QVERIFY(kind.grade >= 1 && kind.grade <= 4);
        // The grade is the first whose numbers reach the kind's largest number; a line may
        // run a little past its last label.
        QVERIFY(kind.largestNumber > GradeRange(kind.grade - 1));
        QVERIFY(kind.grade == 4 || kind.largestNumber <= GradeRange(kind.grade) * 3 / 2);
        Random random{quint32(code)};
        for (const qint32 rightCount : {0, 10, 25, 49}) {
            for (int i = 0; i < 150; ++i) {
                GenerationContext context = MakeContext(random, rightCount, 0, i % 2 == 0 ? 1.0 : 1.28);
                const KindInfo &drawn = *FindKind(DrawKindForTask(kind, random));
                const GeneratedTask task = drawn.generator(context, drawn.level);
                for (const qint64 number : numbersShown(task, drawn.answeredByPointing()))
                    QVERIFY2(number <= kind.largestNumber, qPrintable(QString::number(number)));
            }
        }
    }

    void mixedKindDrawsOtherThanItsSubKinds()
    {
        const KindInfo &mixed = *FindKind(204);
        Random random(7);
        QSet<qint32> drawn;
        for (int i = 0; i < 100; ++i)
            drawn.insert(DrawKindForTask(mixed, random));
        QCOMPARE(drawn, (QSet<qint32>{201, 202}));
        QCOMPARE(DrawKindForTask(*FindKind(301), random), 301);
    }

    void commandLineFindsTheWrongKind_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint32>("found");   // 0: none
        QTest::newRow("a kind") << "302" << 302;
        QTest::newRow("blanks around") << " 403 " << 403;
        QTest::newRow("no menu entry") << "204" << 0;
        QTest::newRow("no kind") << "999" << 0;
        QTest::newRow("no number") << "Runden" << 0;
        QTest::newRow("nothing") << "" << 0;
    }
    void commandLineFindsTheWrongKind()
    {
        QFETCH(QString, typed);
        QFETCH(qint32, found);
        const KindInfo *kind = PractisedKindOf(typed);
        QCOMPARE(kind != nullptr ? kind->code : 0, found);
    }

    void listingLeavesOutAKindOrItsLogTitle()
    {
        const QStringList lines = KindListing().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), PractisedKinds().size());
        QCOMPARE(lines.size(), 25);
        QVERIFY(lines.contains(QStringLiteral("203\tSchreibe Zahlen größer als 1 Million")));
        QCOMPARE(lines.first(), QStringLiteral("102\tZahlenstrahl bis 200"));
    }
};

QTEST_GUILESS_MAIN(TestKinds)
#include "tst_kinds.moc"
