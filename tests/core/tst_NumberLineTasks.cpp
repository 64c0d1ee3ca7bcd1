// The number-line tasks: which sections, offsets and arrow pairs they draw at each balance
// and scale, what they ask and expect, how they lay out the task area, and the no-repeat
// rule of a run.

#include "TestSupport.h"
#include "generators/numberline/NumberLineTasks.h"
#include "core/DigitGroups.h"
#include "kinds/Kinds.h"
#include "run/RunState.h"

#include <QSet>
#include <QtTest>
#include <algorithm>
#include <map>

namespace {

constexpr int Draws = 3000;
// The widest distance pair (145 and 5) comes up about once in a thousand tasks.
constexpr int DistanceDraws = 20000;

// Answer field width for an answer of n digits: 6 pixels a digit in the fake measure,
// times 1.7 cut to a whole number, plus 30.
const std::map<int, int> FieldWidthByDigits = {{1, 40}, {2, 50}, {3, 60}, {4, 70}, {5, 81}};

QSet<int> spacingsFor(qint32 balance)
{
    if (balance <= 5)
        return {1};
    if (balance <= 10)
        return {2, 3};
    return {1, 2, 3};
}

const TNumberLine &lineOf(const GeneratedTask &task)
{
    return std::get<NumberLinePicture>(task.picture).line;
}

bool onGrid(qint32 value, qint32 step, qint32 first, qint32 last)
{
    return value % step == 0 && value >= first && value <= last;
}

struct OffsetGrid
{
    qint32 step, first, last;
};

// Arrow offsets of a spacing level that fit the picture: the large layout has no room
// for 260 to 290 at level 1, which gets 2 pixels per unit there.
OffsetGrid offsetGrid(int spacing, double scale)
{
    switch (spacing) {
    case 1:
        return {10, 0, scale > 1.0 ? 250 : 290};
    case 2:
        return {5, 0, 145};
    default:
        return {5, 5, 100};
    }
}

bool onGrid(qint32 value, qint32 step, qint32 last)
{
    return onGrid(value, step, 0, last);
}

// Whether the section could come from the range level; level 0 accepts any range.
bool sectionAllowed(int range, int spacing, qint32 balance, qint32 start, qint32 span)
{
    const bool fromZero = start == 0;
    const bool r1 = span == 100 && (spacing == 1 ? fromZero : onGrid(start, 10, 90));
    const bool r2 = span == 100
        && (spacing == 1 ? fromZero : (onGrid(start, 100, 900) || (balance > 2 && onGrid(start, 10, 890))));
    const bool r3 = (span == 100 && balance > 2 && (spacing == 1 ? fromZero : onGrid(start, 100, 9900)))
        || (span == 1000 && (spacing == 1 ? fromZero : onGrid(start, 1000, 9000)));
    switch (range) {
    case 1:
        return r1;
    case 2:
        return r2;
    case 3:
        return r3;
    default:
        return r1 || r2 || r3;
    }
}

// Statistics of many reading tasks, for the coverage checks.
struct Seen
{
    QSet<int> spacings;
    std::map<int, QSet<qint32>> offsetsBySpacing;
    QSet<qint32> spans;
    QSet<qint32> starts;
};

// Checks one task of the arrow-reading or number-showing kind and returns what is wrong.
QString readingFault(const GeneratedTask &task, int range, qint32 balance, double scale, int width,
                     bool showsNumber, Seen &seen)
{
    const TNumberLine &line = lineOf(task);
    const int spacing = line.pixelsPerUnit - (scale > 1.0 ? 1 : 0);
    const qint32 offset = line.arrowOffset;
    const qint32 span = line.endValue - line.startValue;
    seen.spacings.insert(spacing);
    seen.offsetsBySpacing[spacing].insert(offset);
    seen.spans.insert(span);
    seen.starts.insert(line.startValue);

    if (!spacingsFor(balance).contains(spacing))
        return QStringLiteral("spacing level %1 at balance %2").arg(spacing).arg(balance);
    const OffsetGrid grid = offsetGrid(spacing, scale);
    if (!onGrid(offset, grid.step, grid.first, grid.last) || 10 + offset * line.pixelsPerUnit >= width - 10)
        return QStringLiteral("offset %1 at spacing %2").arg(offset).arg(spacing);
    if (!sectionAllowed(range, spacing, balance, line.startValue, span))
        return QStringLiteral("section %1 + %2 at range %3").arg(line.startValue).arg(span).arg(range);
    const qint32 number = line.startValue + offset * (span / 100);
    if (showsNumber) {
        if (task.expectedAnswer != 10 + offset * line.pixelsPerUnit)
            return QStringLiteral("expected column %1").arg(task.expectedAnswer);
        if (task.taskText != FormatGrouped(number))
            return QStringLiteral("asks for %1 instead of %2").arg(task.taskText).arg(number);
        const QStringList said = task.solutionText.split(CarriageReturn);
        if (said.size() != 2 || said.first() != QStringLiteral("Die %1 liegt hier.").arg(task.taskText)
            || !HintTexts().contains(said.last()))
            return QStringLiteral("correction %1").arg(task.solutionText);
        if (std::get<NumberLinePicture>(task.picture).correctionOffset != std::optional<qint32>(offset))
            return QStringLiteral("place shown at the correction");
    } else {
        if (task.expectedAnswer != number)
            return QStringLiteral("expects %1 instead of %2").arg(task.expectedAnswer).arg(number);
        if (task.noRepeatKey() != FormatGrouped(offset) || task.solutionText != FormatGrouped(number))
            return QStringLiteral("texts %1 / %2").arg(task.taskText, task.solutionText);
    }
    return QString();
}

using Extremes = std::pair<qint32, qint32>;

Extremes extremesOf(const QSet<qint32> &values)
{
    return {*std::min_element(values.begin(), values.end()), *std::max_element(values.begin(), values.end())};
}

void compareCoverage(const Seen &seen, qint32 balance, double scale)
{
    QCOMPARE(seen.spacings, spacingsFor(balance));
    for (const auto &[spacing, offsets] : seen.offsetsBySpacing)
        QCOMPARE(extremesOf(offsets), Extremes(offsetGrid(spacing, scale).first, offsetGrid(spacing, scale).last));
}

} // namespace

class TestNumberLineTasks : public QObject
{
    Q_OBJECT

private slots:
    void readingTasksStayOnTheirGridsAndGrowWithTheBalance_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<qint32>("balance");
        QTest::addColumn<double>("scale");
        for (const double scale : {1.0, 1.28}) {
            for (const int range : {1, 2, 3, 0}) {
                // The levels change above 2, 5 and 10.
                for (const qint32 balance : {0, 2, 3, 5, 6, 10, 11}) {
                    QTest::addRow("range %d, b %d, scale %.2f", range, balance, scale) << range << balance << scale;
                }
            }
        }
    }
    void readingTasksStayOnTheirGridsAndGrowWithTheBalance()
    {
        QFETCH(int, range);
        QFETCH(qint32, balance);
        QFETCH(double, scale);
        Random random(quint32(1000 * range + balance + (scale > 1.0 ? 7 : 0)));
        GenerationContext context = MakeContext(random, balance, 0, scale);
        Seen seen;
        for (int i = 0; i < Draws; ++i) {
            const GeneratedTask task = ZStrahl(context, range);
            const QString fault = readingFault(task, range, balance, scale, context.drawingWidth, false, seen);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
        compareCoverage(seen, balance, scale);
        // Range 3 shows spans of 100 only to children with a balance above 2.
        if (range == 3)
            QCOMPARE(seen.spans, balance > 2 ? (QSet<qint32>{100, 1000}) : QSet<qint32>{1000});
        // The mixed kind draws its range for every task.
        if (range == 0)
            QCOMPARE(seen.spans, (QSet<qint32>{100, 1000}));
        // From a balance of 6 on, range 2 starts off the grid of hundreds too.
        if (range == 2 && balance >= 6) {
            QVERIFY(seen.starts.contains(890));
            QVERIFY(seen.starts.contains(900));
        }
    }

    void largeLayoutDropsArrowsBeyondTheEdge_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<qint32>("lastOffset");
        QTest::newRow("small: every tick up to 290") << 1.0 << 290;
        QTest::newRow("large: 260 to 290 removed") << 1.28 << 250;
    }
    void largeLayoutDropsArrowsBeyondTheEdge()
    {
        QFETCH(double, scale);
        QFETCH(qint32, lastOffset);
        Random random(42);
        GenerationContext context = MakeContext(random, 0, 0, scale);
        QSet<qint32> offsets;
        for (int i = 0; i < Draws; ++i)
            offsets.insert(lineOf(ZStrahl(context, 1)).arrowOffset);
        QSet<qint32> expected;
        for (qint32 offset = 0; offset <= lastOffset; offset += 10)
            expected.insert(offset);
        QCOMPARE(offsets, expected);
    }

    void showNumberExpectsTheColumnOfTheNumber_data()
    {
        QTest::addColumn<qint32>("balance");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("beginnerPixels");   // pixels per unit at the start of a run
        QTest::newRow("b 0, small") << 0 << 1.0 << 1;
        QTest::newRow("b 0, large") << 0 << 1.28 << 2;
        QTest::newRow("b 6, small") << 6 << 1.0 << 0;
        QTest::newRow("b 11, large") << 11 << 1.28 << 0;
    }
    void showNumberExpectsTheColumnOfTheNumber()
    {
        QFETCH(qint32, balance);
        QFETCH(double, scale);
        QFETCH(int, beginnerPixels);
        Random random(quint32(balance * 3 + 5));
        GenerationContext context = MakeContext(random, balance, 0, scale);
        Seen seen;
        QSet<QString> hints;
        for (int i = 0; i < Draws; ++i) {
            const GeneratedTask task = ZZeigen(context, 0);
            const QString fault = readingFault(task, 0, balance, scale, context.drawingWidth, true, seen);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            if (beginnerPixels > 0)
                QCOMPARE(lineOf(task).pixelsPerUnit, beginnerPixels);
            QCOMPARE(task.layout.label3.caption, std::optional<QString>(task.taskText));
            hints.insert(task.solutionText.section(CarriageReturn, 1));
        }
        compareCoverage(seen, balance, scale);
        QCOMPARE(hints.size(), HintTexts().size());
    }

    void distancePairsFollowTheirTable_data()
    {
        QTest::addColumn<qint32>("balance");
        QTest::addColumn<double>("scale");
        QTest::newRow("b 0, small") << 0 << 1.0;
        QTest::newRow("b 3, large") << 3 << 1.28;
        QTest::newRow("b 4, small") << 4 << 1.0;
        QTest::newRow("b 11, large") << 11 << 1.28;
    }
    void distancePairsFollowTheirTable()
    {
        QFETCH(qint32, balance);
        QFETCH(double, scale);
        Random random(quint32(77 + balance));
        GenerationContext context = MakeContext(random, balance, 0, scale);
        QSet<int> spacings;
        std::map<int, QSet<qint32>> firstBySpacing, distanceBySpacing;
        QSet<qint32> spans;
        for (int i = 0; i < DistanceDraws; ++i) {
            const GeneratedTask task = Abstand(context, 0);
            const auto &picture = std::get<NumberLinePicture>(task.picture);
            const TNumberLine &line = picture.line;
            QVERIFY(picture.secondArrowOffset.has_value());
            const qint32 a = line.arrowOffset;
            const qint32 c = *picture.secondArrowOffset;
            const int spacing = line.pixelsPerUnit;   // not widened on the large layout
            const qint32 span = line.endValue - line.startValue;
            const QString pair = QStringLiteral("a %1, c %2, spacing %3").arg(a).arg(c).arg(spacing);
            spacings.insert(spacing);
            spans.insert(span);
            firstBySpacing[spacing].insert(a);
            distanceBySpacing[spacing].insert(qAbs(a - c));
            switch (spacing) {
            case 1:
                QVERIFY2(onGrid(a, 10, 290) && a >= 10 && onGrid(c, 10, a - 10), qPrintable(pair));
                QCOMPARE(line.startValue, 0);
                break;
            case 2:
                QVERIFY2(a == 0 ? c == 5 : (onGrid(a, 5, 145) && a >= 10 && c >= 5 && onGrid(c, 5, a - 5)),
                         qPrintable(pair));
                break;
            case 3:
                QVERIFY2(onGrid(a, 5, 100) && a >= 10 && c >= 5 && onGrid(c, 5, a - 5), qPrintable(pair));
                break;
            default:
                QFAIL(qPrintable(pair));
            }
            QVERIFY2(span == 1000 ? onGrid(line.startValue, 1000, 9000) : onGrid(line.startValue, 10, 900),
                     qPrintable(QStringLiteral("start %1").arg(line.startValue)));
            QCOMPARE(task.expectedAnswer, qAbs(a - c) * (span / 100));
            QCOMPARE(task.noRepeatKey(), FormatGrouped(a));
            QCOMPARE(task.solutionText, FormatGrouped(task.expectedAnswer));
        }
        QCOMPARE(spacings, balance <= 3 ? (QSet<int>{2, 3}) : (QSet<int>{1, 2, 3}));
        QCOMPARE(spans, (QSet<qint32>{100, 1000}));
        const std::map<int, Extremes> firstRange = {{1, {10, 290}}, {2, {0, 145}}, {3, {10, 100}}};
        const std::map<int, Extremes> distanceRange = {{1, {10, 290}}, {2, {5, 140}}, {3, {5, 95}}};
        for (const int spacing : spacings) {
            QCOMPARE(extremesOf(firstBySpacing[spacing]), firstRange.at(spacing));
            QCOMPARE(extremesOf(distanceBySpacing[spacing]), distanceRange.at(spacing));
        }
    }

    void taskAreaIsLaidOutForEachKind_data()
    {
        QTest::addColumn<qint32>("kind");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("questionTop");
        QTest::addColumn<bool>("typed");           // answered in the field, not by a click
        QTest::addColumn<int>("bandRight");
        const QString readQuestion = QStringLiteral("Auf welche Zahl zeigt der Pfeil?");
        const QString distanceQuestion =
            QStringLiteral("Wie groß ist der Abstand\rzwischen den beiden Pfeilen?");
        QTest::newRow("read, small") << 102 << 1.0 << readQuestion << 30 << true << 403;
        QTest::newRow("read, large") << 105 << 1.28 << readQuestion << 30 << true << 522;
        QTest::newRow("show, small") << 109 << 1.0 << QStringLiteral("Klicke mit der Maus auf die Zahl:") << 30
                                     << false << 403;
        QTest::newRow("distance, large") << 110 << 1.28 << distanceQuestion << 28 << true << 319;
    }
    void taskAreaIsLaidOutForEachKind()
    {
        QFETCH(qint32, kind);
        QFETCH(double, scale);
        QFETCH(QString, question);
        QFETCH(int, questionTop);
        QFETCH(bool, typed);
        QFETCH(int, bandRight);
        Random random(3);
        GenerationContext context = MakeContext(random, 0, 0, scale);
        const KindInfo *info = FindKind(kind);
        const GeneratedTask task = info->generator(context, info->level);
        const TaskLayout &layout = task.layout;
        QCOMPARE(layout.label1.caption, std::optional<QString>(question));
        QCOMPARE(layout.label1.font, std::optional<FontSpec>(FontSpec{QStringLiteral("Comic Sans MS"), 12, false}));
        QCOMPARE(layout.label1.left, std::optional<int>(8));
        QCOMPARE(layout.label1.top, std::optional<int>(questionTop));
        QCOMPARE(layout.focusTaskBox, !typed);
        if (typed) {
            QCOMPARE(layout.label3.caption, std::optional<QString>(QString()));
            QCOMPARE(layout.edit1.top, std::optional<int>(150));
            QVERIFY(!layout.edit1.visible.has_value());
            const int digits = int(QString::number(task.expectedAnswer).size());
            QCOMPARE(layout.edit1.width, std::optional<int>(FieldWidthByDigits.at(digits)));
        } else {
            QCOMPARE(layout.edit1.visible, std::optional<bool>(false));
            QCOMPARE(layout.drawingTop, std::optional<int>(49));
            QCOMPARE(layout.label3.font, std::optional<FontSpec>(FontSpec{QStringLiteral("Comic Sans MS"), 14, false}));
            QCOMPARE(layout.label3.left, std::optional<int>(28));
            QCOMPARE(layout.label3.top, std::optional<int>(60));
        }
        QCOMPARE(std::get<NumberLinePicture>(task.picture).clearedRect, QRect(QPoint(1, 30), QPoint(bandRight, 99)));
    }

    void noTaskFollowsItselfInARun_data()
    {
        QTest::addColumn<qint32>("kind");
        QTest::newRow("102") << 102;
        QTest::newRow("104") << 104;
        QTest::newRow("105") << 105;
        QTest::newRow("109") << 109;
        QTest::newRow("110") << 110;
    }
    void noTaskFollowsItselfInARun()
    {
        QFETCH(qint32, kind);
        Random random(11);
        GenerationContext context = MakeContext(random);
        PracticeRun run;
        run.currentTask.kind = kind;
        run.reset();
        QString previous;
        QSet<QString> texts;
        for (int i = 0; i < 400; ++i) {
            const std::optional<GeneratedTask> task = run.poseTask(context);
            QVERIFY(task.has_value());
            QVERIFY(task->noRepeatKey() != previous);
            QCOMPARE(run.numberLine, lineOf(*task));
            previous = task->noRepeatKey();
            texts.insert(previous);
        }
        // Enough different tasks that repeats would have come up without the rule.
        QVERIFY(texts.size() >= 20);
    }
};

QTEST_GUILESS_MAIN(TestNumberLineTasks)
#include "tst_NumberLineTasks.moc"
