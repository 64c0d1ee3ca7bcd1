// The kinds of the youngest, up to 20 and up to 100: which numbers each asks at each step
// of the balance, that no task leaves its range or its picture, that a press on the
// number's tick answers a pointing task, the worked solutions, what the bars, cubes and
// dots show at every moment, what the voice makes of tens and ones, and that no task
// follows itself in a run.

#include "TestSupport.h"
#include "generators/numberline/NumberLine.h"
#include "generators/upto100/FirstNumbers.h"
#include "generators/upto100/PlaceValue.h"
#include "generators/upto100/QuickSeeing.h"
#include "kinds/Kinds.h"
#include "run/AnswerCheck.h"
#include "run/RunState.h"
#include "run/SpokenText.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

constexpr int Draws = 2000;

using Numbers = QSet<qint32>;

Numbers range(qint32 from, qint32 to, qint32 step = 1)
{
    Numbers numbers;
    for (qint32 n = from; n <= to; n += step)
        numbers.insert(n);
    return numbers;
}

// The number a task is about, whatever the child answers with.
qint32 numberAsked(const GeneratedTask &task)
{
    return task.taskText.toInt();
}

const TNumberLine &lineOf(const GeneratedTask &task)
{
    return std::get<NumberLinePicture>(task.picture).line;
}

// The patches of exactly one colour, each cube or dot one patch inside its dark edge.
int patchesOf(const QImage &image, const QColor &colour)
{
    const QRgb wanted = colour.rgb();
    QImage seen(image.size(), QImage::Format_Mono);
    seen.fill(0);
    int patches = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != wanted || seen.pixelIndex(x, y) != 0)
                continue;
            ++patches;
            QList<QPoint> open = {QPoint(x, y)};
            seen.setPixel(x, y, 1);
            while (!open.isEmpty()) {
                const QPoint p = open.takeLast();
                for (const QPoint next : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (image.rect().contains(next) && seen.pixelIndex(next) == 0 && image.pixel(next) == wanted) {
                        seen.setPixel(next, 1);
                        open << next;
                    }
                }
            }
        }
    }
    return patches;
}

// The drawing area of a layout, cleared as the window hands it over, at a pixel density.
QImage drawingArea(double scale, qreal pixelRatio)
{
    Random random(1);
    const GenerationContext context = MakeContext(random, 0, 0, scale);
    QImage image(QSize(context.drawingWidth, context.drawingHeight) * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(QColor(192, 192, 192));
    return image;
}

// The patches of a colour in the rim of the picture: what is cut off at its edge.
bool touchesTheEdge(const QImage &image, const QColor &colour)
{
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, 0) == colour.rgb() || image.pixel(x, image.height() - 1) == colour.rgb())
            return true;
    }
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(0, y) == colour.rgb() || image.pixel(image.width() - 1, y) == colour.rgb())
            return true;
    }
    return false;
}

// What a tens-and-ones task asks, read back from its captions as the child sees them.
struct ReadPlaceValue
{
    QString form;
    qint32 answer = -1;
    qint32 number = -1;
};

ReadPlaceValue readPlaceValue(const GeneratedTask &task)
{
    static const QRegularExpression tensOnes(QStringLiteral("^(\\d+) Z (\\d+) E =$"));
    static const QRegularExpression onesTens(QStringLiteral("^(\\d+) E (\\d+) Z =$"));
    static const QRegularExpression numberIs(QStringLiteral("^(\\d+) =$"));
    static const QRegularExpression numberTens(QStringLiteral("^(\\d+) = (\\d+) Z$"));
    static const QRegularExpression onesAfter(QStringLiteral("^Z (\\d+) E$"));
    const QString before = task.layout.label1.caption.value_or(QString());
    const QString after = task.layout.label3.visible.value_or(true) ? task.layout.label3.caption.value_or(QString()) : QString();
    ReadPlaceValue read;
    if (const auto m = tensOnes.match(before); m.hasMatch() && after.isEmpty()) {
        const qint32 ones = m.captured(2).toInt();
        read = {ones > 9 ? QStringLiteral("bundled") : QStringLiteral("number"), 10 * m.captured(1).toInt() + ones, 0};
        read.number = read.answer;
    } else if (const auto m = onesTens.match(before); m.hasMatch() && after.isEmpty()) {
        read = {QStringLiteral("ones first"), 10 * m.captured(2).toInt() + m.captured(1).toInt(), 0};
        read.number = read.answer;
    } else if (const auto m = numberIs.match(before), o = onesAfter.match(after); m.hasMatch() && o.hasMatch()) {
        read = {QStringLiteral("tens"), (m.captured(1).toInt() - o.captured(1).toInt()) / 10, m.captured(1).toInt()};
    } else if (const auto m = numberTens.match(before); m.hasMatch() && after == QStringLiteral("E")) {
        read = {QStringLiteral("ones"), m.captured(1).toInt() - 10 * m.captured(2).toInt(), m.captured(1).toInt()};
    }
    return read;
}

} // namespace

class TestFirstNumbers : public QObject
{
    Q_OBJECT

private slots:
    // Each step of the balance asks exactly its own numbers: the kind grows harder, and
    // every number of the step comes up.
    void stepOfTheBalanceAsksOtherNumbers_data()
    {
        QTest::addColumn<qint32>("kind");
        QTest::addColumn<qint32>("balance");
        QTest::addColumn<Numbers>("asked");
        const Numbers teens = range(11, 20);
        Numbers upTo20 = range(1, 20);
        upTo20.remove(10);
        Numbers ones = range(1, 99);
        ones.subtract(range(10, 90, 10));
        for (const qint32 kind : {501, 503}) {
            QTest::addRow("%d first", kind) << kind << 0 << range(1, 9);
            QTest::addRow("%d second", kind) << kind << 8 << upTo20;
            QTest::addRow("%d third", kind) << kind << 20 << teens;
        }
        for (const qint32 kind : {502, 504}) {
            QTest::addRow("%d first", kind) << kind << 5 << range(10, 90, 10);
            QTest::addRow("%d second", kind) << kind << 6 << range(5, 95, 10);
            QTest::addRow("%d third", kind) << kind << 11 << ones;
        }
        Numbers swapped;
        for (qint32 n = 12; n <= 98; ++n) {
            if (n % 10 != 0 && n % 10 != n / 10)
                swapped.insert(n);
        }
        QTest::newRow("505 first") << 505 << -3 << (range(10, 20) + range(30, 100, 10));
        QTest::newRow("505 second") << 505 << 10 << range(10, 99);
        QTest::newRow("505 third") << 505 << 30 << swapped;
        QTest::newRow("507 first") << 507 << 0 << range(1, 10);
        QTest::newRow("507 second") << 507 << 7 << range(11, 20);
        QTest::newRow("507 third") << 507 << 12 << range(2, 18);
    }
    void stepOfTheBalanceAsksOtherNumbers()
    {
        QFETCH(qint32, kind);
        QFETCH(qint32, balance);
        QFETCH(Numbers, asked);
        const KindInfo &info = *FindKind(kind);
        Random random{quint32(kind + balance)};
        Numbers seen;
        for (int i = 0; i < Draws; ++i) {
            GenerationContext context = MakeContext(random, std::max(balance, 0), std::max(-balance, 0), i % 2 ? 1.28 : 1.0);
            const GeneratedTask task = info.generator(context, info.level);
            seen.insert(info.answeredByPointing() ? numberAsked(task) : task.expectedAnswer);
        }
        QCOMPARE(seen, asked);
    }

    // The ray shows the number where the kind promises: a tick for every number up to 20,
    // the tens up to 100 until single numbers come at the third step; the number lies
    // inside the picture, left of its last 20 pixels, and a press on its tick answers it.
    void numberOffItsRayOrOutOfReach_data()
    {
        QTest::addColumn<qint32>("kind");
        QTest::addColumn<qint32>("balance");
        QTest::addColumn<double>("scale");
        for (const qint32 kind : {501, 502, 503, 504}) {
            for (const qint32 balance : {0, 8, 20}) {
                QTest::addRow("%d balance %d small", kind, balance) << kind << balance << 1.0;
                QTest::addRow("%d balance %d large", kind, balance) << kind << balance << 1.28;
            }
        }
    }
    void numberOffItsRayOrOutOfReach()
    {
        QFETCH(qint32, kind);
        QFETCH(qint32, balance);
        QFETCH(double, scale);
        const KindInfo &info = *FindKind(kind);
        Random random{quint32(kind * balance + 1)};
        for (int i = 0; i < 500; ++i) {
            GenerationContext context = MakeContext(random, balance, 0, scale);
            const GeneratedTask task = info.generator(context, info.level);
            const TNumberLine &line = lineOf(task);
            const qint32 number = numberAsked(task);
            const bool singleNumbers = info.level == 20 || balance > 10;
            QCOMPARE(line.endValue - line.startValue, singleNumbers ? 10 : 100);
            QCOMPARE(line.pixelsPerUnit, (singleNumbers ? 1 : 3) + (scale > 1.0 ? 1 : 0));
            // A unit is a tenth of a number on a ray of single numbers.
            QCOMPARE(line.startValue * (singleNumbers ? 10 : 1) + line.arrowOffset, number * (singleNumbers ? 10 : 1));
            QVERIFY(line.startValue % 10 == 0 && line.endValue <= info.largestNumber);
            const int column = OffsetX(line.pixelsPerUnit, line.arrowOffset);
            QVERIFY2(column < context.drawingWidth - 20, qPrintable(task.taskText));
            if (info.answeredByPointing()) {
                QCOMPARE(task.expectedAnswer, column);
                QCOMPARE(ClickAnswerText(column, 70), QString::number(column));
                QCOMPARE(task.layout.label3.caption, task.taskText);
                QCOMPARE(task.layout.edit1.visible, std::optional<bool>(false));
            } else {
                QCOMPARE(task.expectedAnswer, number);
                QCOMPARE(task.layout.label1.caption, QStringLiteral("Auf welche Zahl zeigt der Pfeil?"));
            }
        }
    }

    // A ray up to 20 has a tick for every number and long ticks at 0, 10 and 20.
    void rayUpTo20MissesATickOrATen_data()
    {
        QTest::addColumn<int>("pixelsPerUnit");
        QTest::addColumn<int>("width");
        QTest::newRow("small") << 1 << 405;
        QTest::newRow("large") << 2 << 524;
    }
    void rayUpTo20MissesATickOrATen()
    {
        QFETCH(int, pixelsPerUnit);
        QFETCH(int, width);
        TNumberLine line;
        SetNumberLine(line, 0, 10, pixelsPerUnit, 130);
        const NumberLineGeometry g =
            NumberLineLayout(line, true, false, 1.0, width, [](const QString &text) { return 6 * int(text.size()); });
        QVERIFY(g.smallTicks.size() > 20);
        for (int n = 0; n <= 20; ++n)
            QCOMPARE(g.smallTicks.at(n).from.x(), OffsetX(pixelsPerUnit, 10 * n));
        QCOMPARE(g.longTicks.size(), 3);
        QCOMPARE(g.longTicks.at(2).from.x(), OffsetX(pixelsPerUnit, 200));
        QCOMPARE(g.rightLabel.text, QStringLiteral("10"));
        QCOMPARE(g.arrowCentreX, std::optional<int>(OffsetX(pixelsPerUnit, 130)));
        // After a wrong answer the help labels count in numbers, not in tenths, up to 20.
        SetNumberLine(line, 0, 10, pixelsPerUnit, 200);
        const NumberLineGeometry failed =
            NumberLineLayout(line, true, true, 1.0, width, [](const QString &text) { return 6 * int(text.size()); });
        QStringList helps;
        for (const PlacedText &label : failed.helpLabels)
            helps << label.text;
        QCOMPARE(helps, (QStringList{"5", "15", "20"}));
        QCOMPARE(line.valueAt(130), 13);
    }

    // The worked solution counts from the label or the ten before the number.
    void solutionCountsFromTheWrongMark_data()
    {
        QTest::addColumn<qint32>("start");
        QTest::addColumn<qint32>("end");
        QTest::addColumn<qint32>("number");
        QTest::addColumn<QString>("solution");
        QTest::newRow("before the label 10") << 0 << 10 << 7 << "Von 0 aus 7 Striche weiter\r= 7";
        QTest::newRow("one past 10") << 0 << 10 << 11 << "Von 10 aus 1 Strich weiter\r= 11";
        QTest::newRow("20") << 0 << 10 << 20 << "Von 10 aus 10 Striche weiter\r= 20";
        QTest::newRow("in a section") << 40 << 50 << 47 << "Von 40 aus 7 Striche weiter\r= 47";
        QTest::newRow("past a section") << 80 << 90 << 99 << "Von 90 aus 9 Striche weiter\r= 99";
        QTest::newRow("a ten") << 0 << 100 << 30 << "Von 0 aus 3 Striche zu je 10\r= 30";
        QTest::newRow("the first ten") << 0 << 100 << 10 << "Von 0 aus 1 Strich zu je 10\r= 10";
        QTest::newRow("a five") << 0 << 100 << 35 << "In der Mitte zwischen 30 und 40\r= 35";
    }
    void solutionCountsFromTheWrongMark()
    {
        QFETCH(qint32, start);
        QFETCH(qint32, end);
        QFETCH(qint32, number);
        QFETCH(QString, solution);
        FirstNumbersLine placed;
        placed.number = number;
        SetNumberLine(placed.line, start, end, 1, 0);
        QCOMPARE(CountedOnTheLine(placed), solution);
    }

    // Each step of the balance brings its own forms of tens and ones; whatever the form,
    // the answer expected is the one its captions ask for, and the number stays below 100.
    void placeValueAsksOtherThanItShows_data()
    {
        QTest::addColumn<qint32>("balance");
        QTest::addColumn<QSet<QString>>("forms");
        QTest::newRow("first") << 0 << QSet<QString>{"number"};
        QTest::newRow("second") << 8 << QSet<QString>{"number", "tens", "ones"};
        QTest::newRow("third") << 15 << QSet<QString>{"number", "tens", "ones", "ones first", "bundled"};
    }
    void placeValueAsksOtherThanItShows()
    {
        QFETCH(qint32, balance);
        QFETCH(QSet<QString>, forms);
        const KindInfo &info = *FindKind(506);
        Random random{quint32(balance + 3)};
        QSet<QString> seen;
        QSet<qint32> numbers;
        for (int i = 0; i < Draws; ++i) {
            GenerationContext context = MakeContext(random, balance, 0, i % 2 ? 1.28 : 1.0);
            const GeneratedTask task = info.generator(context, info.level);
            const ReadPlaceValue read = readPlaceValue(task);
            QVERIFY2(!read.form.isEmpty(), qPrintable(task.taskText));
            QCOMPARE(task.expectedAnswer, read.answer);
            QVERIFY(read.number >= 10 && read.number <= 99);
            QVERIFY(task.solutionText.endsWith(QString::number(read.number))
                    || task.solutionText.contains(QStringLiteral("= %1").arg(read.number)));
            seen.insert(read.form);
            numbers.insert(read.number);
        }
        QCOMPARE(seen, forms);
        QVERIFY(numbers.contains(10) && numbers.contains(99));
    }

    // The bars and cubes painted are the tens and ones of the task, sharp at any pixel
    // density and inside the picture.
    void pictureMissesABarOrACube_data()
    {
        QTest::addColumn<qint32>("tens");
        QTest::addColumn<qint32>("ones");
        QTest::addColumn<double>("scale");
        QTest::addColumn<qreal>("pixelRatio");
        QTest::newRow("no ones") << 3 << 0 << 1.0 << 1.0;
        QTest::newRow("most, small") << 9 << 9 << 1.0 << 1.0;
        QTest::newRow("most, large, sharp") << 9 << 9 << 1.28 << 2.0;
        QTest::newRow("ones to bundle") << 8 << 19 << 1.0 << 2.0;
        QTest::newRow("ones to bundle, large") << 8 << 19 << 1.28 << 1.5;
    }
    void pictureMissesABarOrACube()
    {
        QFETCH(qint32, tens);
        QFETCH(qint32, ones);
        QFETCH(double, scale);
        QFETCH(qreal, pixelRatio);
        QImage image = drawingArea(scale, pixelRatio);
        PaintTensAndOnes(image, tens, ones, scale, true);
        QCOMPARE(patchesOf(image, TenBarBlue), 10 * tens);
        QCOMPARE(patchesOf(image, UnitCubeOrange), ones);
        QVERIFY(!touchesTheEdge(image, TenBarBlue) && !touchesTheEdge(image, UnitCubeOrange));
    }

    // Bars and cubes come with the task at the first step only; the correction always
    // shows them.
    void placeValuePictureShownAtTheWrongMoment_data()
    {
        QTest::addColumn<qint32>("balance");
        QTest::addColumn<bool>("shownWithTheTask");
        QTest::newRow("first step") << 0 << true;
        QTest::newRow("second step") << 8 << false;
        QTest::newRow("third step") << 15 << false;
    }
    void placeValuePictureShownAtTheWrongMoment()
    {
        QFETCH(qint32, balance);
        QFETCH(bool, shownWithTheTask);
        Random random(5);
        GenerationContext context = MakeContext(random, balance);
        const GeneratedTask task = FindKind(506)->generator(context, 0);
        const auto &picture = std::get<PaintedPicture>(task.picture);
        QCOMPARE(picture.coverAfterMs, 0);
        QImage posed = drawingArea(1.0, 1.0);
        picture.paint(posed, PictureMoment{1.0, false, false});
        QCOMPARE(patchesOf(posed, TenBarBlue) > 0, shownWithTheTask);
        QImage corrected = drawingArea(1.0, 1.0);
        picture.paint(corrected, PictureMoment{1.0, false, true});
        QVERIFY(patchesOf(corrected, TenBarBlue) > 0);
    }

    // The dots shown are the task's, in the right rows; covered, none can be seen; the
    // correction shows them again.
    void twentyFieldShowsOtherDots_data()
    {
        QTest::addColumn<qint32>("upper");
        QTest::addColumn<qint32>("lower");
        QTest::addColumn<double>("scale");
        QTest::addColumn<qreal>("pixelRatio");
        QTest::newRow("one") << 1 << 0 << 1.0 << 1.0;
        QTest::newRow("a full row and one") << 10 << 1 << 1.0 << 2.0;
        QTest::newRow("twenty, large") << 10 << 10 << 1.28 << 1.0;
        QTest::newRow("two rows, large, sharp") << 7 << 6 << 1.28 << 2.0;
    }
    void twentyFieldShowsOtherDots()
    {
        QFETCH(qint32, upper);
        QFETCH(qint32, lower);
        QFETCH(double, scale);
        QFETCH(qreal, pixelRatio);
        const TwentyFieldDots dots{upper, lower};
        QImage shown = drawingArea(scale, pixelRatio);
        PaintTwentyField(shown, dots, PictureMoment{scale, false, false});
        QCOMPARE(patchesOf(shown, TwentyFieldDot), upper + lower);
        QVERIFY(!touchesTheEdge(shown, QColor(Qt::white)));
        // The upper half of the field holds the upper row's dots.
        const QImage upperHalf = shown.copy(0, 0, shown.width(), int(83 * scale * pixelRatio));
        QCOMPARE(patchesOf(upperHalf, TwentyFieldDot), upper);

        QImage covered = drawingArea(scale, pixelRatio);
        PaintTwentyField(covered, dots, PictureMoment{scale, true, false});
        QCOMPARE(patchesOf(covered, TwentyFieldDot), 0);
        QVERIFY(patchesOf(covered, TwentyFieldCover) > 0);

        QImage corrected = drawingArea(scale, pixelRatio);
        PaintTwentyField(corrected, dots, PictureMoment{scale, false, true});
        QCOMPARE(patchesOf(corrected, TwentyFieldDot), upper + lower);
    }

    // The dots stay longer at first and less long as the balance grows, and the task
    // is covered after the time of its balance.
    void lookingTimeDoesNotShrinkWithTheBalance()
    {
        int before = LookingTimeMs(-10);
        QCOMPARE(before, 3000);
        for (qint32 balance = -9; balance <= 50; ++balance) {
            const int time = LookingTimeMs(balance);
            QVERIFY(time <= before && time >= 1000);
            before = time;
        }
        QVERIFY(LookingTimeMs(20) < LookingTimeMs(5));
        QCOMPARE(LookingTimeMs(50), 1000);
        for (const qint32 balance : {0, 8, 30}) {
            Random random{quint32(balance)};
            GenerationContext context = MakeContext(random, balance);
            const GeneratedTask task = FindKind(507)->generator(context, 0);
            QCOMPARE(std::get<PaintedPicture>(task.picture).coverAfterMs, LookingTimeMs(balance));
        }
    }

    // Tens and ones are read as words, the answer field as "Lücke", one ten as "ein".
    void placeValuesReadAsLetters_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("the number") << "3 Z 4 E =" << "" << "drei Zehner vier Einer gleich Lücke";
        QTest::newRow("the tens") << "34 =" << "Z 4 E" << "vierunddreißig gleich Lücke Zehner vier Einer";
        QTest::newRow("the ones of one ten") << "14 = 1 Z" << "E" << "vierzehn gleich ein Zehner Lücke Einer";
        QTest::newRow("one one first") << "1 E 5 Z =" << "" << "ein Einer fünf Zehner gleich Lücke";
    }
    void placeValuesReadAsLetters()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, spoken);
        GeneratedTask task;
        task.layout.label1.caption = before;
        task.layout.label3.caption = after;
        QCOMPARE(SpokenTask(506, task), spoken);
        QCOMPARE(SpokenCorrection(506, QStringLiteral("Schade!"), QStringLiteral("30 + 4 = 34") + CarriageReturn
                                                                     + QStringLiteral("34 = 3 Z 4 E")),
                 QStringLiteral("Schade! So wird die Aufgabe richtig gelöst: dreißig plus vier gleich "
                                "vierunddreißig, vierunddreißig gleich drei Zehner vier Einer"));
    }

    void noTaskFollowsItselfInARun_data()
    {
        QTest::addColumn<qint32>("kind");
        QTest::addColumn<qint32>("rightCount");
        for (const qint32 kind : {501, 502, 503, 504, 505, 506, 507}) {
            QTest::addRow("%d first step", kind) << kind << 0;
            QTest::addRow("%d third step", kind) << kind << 25;
        }
    }
    void noTaskFollowsItselfInARun()
    {
        QFETCH(qint32, kind);
        QFETCH(qint32, rightCount);
        Random random{quint32(kind)};
        PracticeRun run;
        run.currentTask.kind = kind;
        run.reset();
        run.rightCount = rightCount;
        GenerationContext context = MakeContext(random, rightCount);
        QString previous;
        for (int i = 0; i < 300; ++i) {
            const std::optional<GeneratedTask> task = run.poseTask(context);
            QVERIFY(task.has_value());
            QVERIFY(task->noRepeatKey() != previous);
            previous = task->noRepeatKey();
        }
    }
};

QTEST_MAIN(TestFirstNumbers)
#include "tst_firstnumbers.moc"
