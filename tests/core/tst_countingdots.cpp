// Counting hidden dots: grid size by balance, grid geometry, the covered test on the
// painted picture, the generator's count against the red dots of the reveal, and the run
// that cannot find a different task at the smallest grid.

#include "TestSupport.h"
#include "generators/counting/CountingDots.h"
#include "generators/counting/DotGrid.h"
#include "core/DigitGroups.h"
#include "run/RunState.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

QSize drawingArea(const GenerationContext &context)
{
    return QSize(context.drawingWidth, context.drawingHeight);
}

// Grid points whose dot pixels all have the colour.
int dotsOfColour(const QImage &image, int gridSize, int diameter, const QColor &colour)
{
    int count = 0;
    for (QPoint p : DotGridFor(gridSize, image.size()).points()) {
        bool whole = true;
        for (QPoint d : DotPixels(p, diameter))
            whole = whole && image.pixel(d) == colour.rgb();
        count += whole;
    }
    return count;
}

int pixelsOfColour(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour.rgb();
    }
    return count;
}

} // namespace

class CountingDotsTest : public QObject
{
    Q_OBJECT

private slots:
    void gridSizeByBalance_data();
    void gridSizeByBalance();
    void gridGeometry_data();
    void gridGeometry();
    void coveredByPointOrNeighbour_data();
    void coveredByPointOrNeighbour();
    void outlineTouchingANeighbourHides_data();
    void outlineTouchingANeighbourHides();
    void hiddenDotsAreThoseUnderTheWholePicture_data();
    void hiddenDotsAreThoseUnderTheWholePicture();
    void generatedTaskHidesDots_data();
    void generatedTaskHidesDots();
    void revealShowsAsManyRedDotsAsTheAnswer_data();
    void revealShowsAsManyRedDotsAsTheAnswer();
    void smallestGridDoesNotHangTheRun();
    void layoutOfTheQuestion_data();
    void layoutOfTheQuestion();
};

void CountingDotsTest::gridSizeByBalance_data()
{
    QTest::addColumn<qint32>("balance");
    QTest::addColumn<int>("gridSize");
    QTest::newRow("0") << 0 << 4;
    QTest::newRow("7") << 7 << 4;
    QTest::newRow("-7 truncates toward zero") << -7 << 4;
    QTest::newRow("8") << 8 << 5;
    QTest::newRow("15") << 15 << 5;
    QTest::newRow("16") << 16 << 6;
    QTest::newRow("48") << 48 << 10;
    QTest::newRow("50") << 50 << 10;
    QTest::newRow("-8") << -8 << 3;
    QTest::newRow("-15") << -15 << 3;
    QTest::newRow("-16") << -16 << 2;
    QTest::newRow("-24") << -24 << 1;
    QTest::newRow("-40 still one") << -40 << 1;
}

void CountingDotsTest::gridSizeByBalance()
{
    QFETCH(qint32, balance);
    QTEST(DotGridSize(balance), "gridSize");
}

void CountingDotsTest::gridGeometry_data()
{
    QTest::addColumn<int>("gridSize");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("4, small window") << 4 << QSize(405, 266) << 81 << 53;
    QTest::newRow("10, large window") << 10 << QSize(524, 377) << 47 << 34;
    QTest::newRow("1, small window") << 1 << QSize(405, 266) << 202 << 133;
}

void CountingDotsTest::gridGeometry()
{
    QFETCH(int, gridSize);
    QFETCH(QSize, area);
    QFETCH(int, dx);
    QFETCH(int, dy);
    const DotGridGeometry grid = DotGridFor(gridSize, area);
    QCOMPARE(grid.dx, dx);
    QCOMPARE(grid.dy, dy);
    const QList<QPoint> points = grid.points();
    QCOMPARE(points.size(), gridSize * gridSize);
    QCOMPARE(points.first(), QPoint(dx, dy));
    QCOMPARE(points.last(), QPoint(gridSize * dx, gridSize * dy));
    if (gridSize > 1)
        QCOMPARE(points[1], QPoint(2 * dx, dy));   // row by row, left to right
}

void CountingDotsTest::coveredByPointOrNeighbour_data()
{
    QTest::addColumn<QPoint>("yellowAt");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("covered");
    const QColor yellow(255, 255, 0);
    // A dot of five pixels: two on each side of the point, without the corners.
    QTest::newRow("the point") << QPoint(0, 0) << yellow << true;
    QTest::newRow("right") << QPoint(1, 0) << yellow << true;
    QTest::newRow("left") << QPoint(-1, 0) << yellow << true;
    QTest::newRow("below") << QPoint(0, 1) << yellow << true;
    QTest::newRow("above") << QPoint(0, -1) << yellow << true;
    QTest::newRow("diagonal") << QPoint(1, 1) << yellow << true;
    QTest::newRow("two away: the dot's rim") << QPoint(2, 0) << yellow << true;
    QTest::newRow("two left and one up: the dot's rim") << QPoint(-2, -1) << yellow << true;
    QTest::newRow("the square's corner lies outside the dot") << QPoint(2, 2) << yellow << false;
    QTest::newRow("three away") << QPoint(3, 0) << yellow << false;
    QTest::newRow("almost yellow") << QPoint(0, 0) << QColor(255, 255, 1) << false;
    QTest::newRow("navy") << QPoint(0, 0) << QColor(0, 0, 128) << false;
}

void CountingDotsTest::coveredByPointOrNeighbour()
{
    QFETCH(QPoint, yellowAt);
    QFETCH(QColor, colour);
    QFETCH(bool, covered);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(DotBackground);
    const QPoint point(10, 10);
    image.setPixel(point + yellowAt, colour.rgb());
    QCOMPARE(IsCovered(image, point, DotDiameter(1.0)), covered);
}

void CountingDotsTest::outlineTouchingANeighbourHides_data()
{
    QTest::addColumn<int>("edgeX");
    QTest::addColumn<bool>("covered");
    // Grid point (81, 53) of the 4 × 4 grid in the small window, its dot from 79 to 83;
    // the triangle's left edge is a vertical line at edgeX through the point's row.
    QTest::newRow("edge on the right neighbour") << 82 << true;
    QTest::newRow("edge on the point") << 81 << true;
    QTest::newRow("edge on the dot's rim") << 83 << true;
    QTest::newRow("edge one pixel beyond the dot") << 84 << false;
}

void CountingDotsTest::outlineTouchingANeighbourHides()
{
    QFETCH(int, edgeX);
    QFETCH(bool, covered);
    const TCoverTriangle triangle{QPoint(edgeX, 33), QPoint(edgeX, 73), QPoint(edgeX + 30, 53)};
    const QList<QPoint> hidden = CoveredDots(triangle, 4, QSize(405, 266), DotDiameter(1.0));
    QCOMPARE(hidden.contains(QPoint(81, 53)), covered);
    QCOMPARE(hidden.size(), covered ? 1 : 0);
}

void CountingDotsTest::hiddenDotsAreThoseUnderTheWholePicture_data()
{
    QTest::addColumn<int>("gridSize");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("diameter");
    QTest::newRow("4 x 4, small") << 4 << QSize(405, 266) << DotDiameter(1.0);
    QTest::newRow("10 x 10, large") << 10 << QSize(524, 377) << DotDiameter(1.28);
}

// The hidden dots are exactly the grid points covered on the whole painted cover, for
// triangles anywhere in the area, thin slivers and corners on the border included.
void CountingDotsTest::hiddenDotsAreThoseUnderTheWholePicture()
{
    QFETCH(int, gridSize);
    QFETCH(QSize, area);
    QFETCH(int, diameter);
    Random random(gridSize);
    QImage whole(area, QImage::Format_RGB32);
    for (int i = 0; i < 300; ++i) {
        TCoverTriangle triangle;
        for (QPoint &corner : triangle)
            corner = QPoint(random.below(area.width()), random.below(area.height()));
        PaintCover(whole, triangle);
        QList<QPoint> expected;
        for (QPoint point : DotGridFor(gridSize, area).points()) {
            if (IsCovered(whole, point, diameter))
                expected.append(point);
        }
        QCOMPARE(CoveredDots(triangle, gridSize, area, diameter), expected);
    }
}

void CountingDotsTest::generatedTaskHidesDots_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<qint32>("wrong");
    QTest::addColumn<double>("scale");
    QTest::newRow("start, small") << 0 << 0 << 1.0;
    QTest::newRow("behind, small") << 2 << 12 << 1.0;
    QTest::newRow("far ahead, large") << 49 << 0 << 1.28;
    QTest::newRow("smallest grid, large") << 0 << 24 << 1.28;
}

// Every task hides at least one dot, its corners lie 10 pixels inside the drawing area,
// the grid follows the balance, and the answer is the count on the painted cover.
void CountingDotsTest::generatedTaskHidesDots()
{
    QFETCH(qint32, right);
    QFETCH(qint32, wrong);
    QFETCH(double, scale);
    Random random(right * 3 + wrong);
    GenerationContext context = MakeContext(random, right, wrong, scale);
    const QSize area = drawingArea(context);
    for (int i = 0; i < 100; ++i) {
        const GeneratedTask task = Zaehlen(context, 0);
        const auto *picture = std::get_if<DotPicture>(&task.picture);
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->gridSize, DotGridSize(right - wrong));
        for (QPoint corner : picture->triangle) {
            QVERIFY(corner.x() >= 10 && corner.x() <= area.width() - 11);
            QVERIFY(corner.y() >= 10 && corner.y() <= area.height() - 11);
        }
        QVERIFY(task.expectedAnswer > 0);
        QVERIFY(task.expectedAnswer <= picture->gridSize * picture->gridSize);
        QCOMPARE(task.expectedAnswer,
                 qint32(CoveredDots(picture->triangle, picture->gridSize, area, DotDiameter(scale)).size()));
        QCOMPARE(task.taskText, FormatGrouped(task.expectedAnswer));
        QCOMPARE(task.solutionText, task.taskText);
    }
}

void CountingDotsTest::revealShowsAsManyRedDotsAsTheAnswer_data()
{
    QTest::addColumn<qint32>("right");
    QTest::addColumn<double>("scale");
    QTest::newRow("4 x 4, small") << 0 << 1.0;
    QTest::newRow("7 x 7, small") << 24 << 1.0;
    QTest::newRow("10 x 10, large") << 48 << 1.28;
}

// On the painted picture the navy dots are the visible ones; the reveal adds exactly as
// many red dots as the answer and touches nothing else, also when repeated.
void CountingDotsTest::revealShowsAsManyRedDotsAsTheAnswer()
{
    QFETCH(qint32, right);
    QFETCH(double, scale);
    Random random(right + 5);
    GenerationContext context = MakeContext(random, right, 0, scale);
    for (int i = 0; i < 40; ++i) {
        const GeneratedTask task = Zaehlen(context, 0);
        const DotPicture picture = std::get<DotPicture>(task.picture);
        const int dots = picture.gridSize * picture.gridSize;
        const int diameter = DotDiameter(scale);
        const int dotPixels = int(DotPixels(QPoint(0, 0), diameter).size());

        QImage image(drawingArea(context), QImage::Format_ARGB32_Premultiplied);
        DrawDotGrid(image, picture.triangle, picture.gridSize, diameter, false);
        QCOMPARE(dotsOfColour(image, picture.gridSize, diameter, VisibleDot), dots - task.expectedAnswer);
        // Every dot drawn is seen whole: none shows half from under the triangle.
        QCOMPARE(pixelsOfColour(image, VisibleDot), dotPixels * (dots - task.expectedAnswer));
        QCOMPARE(pixelsOfColour(image, RevealedDot), 0);
        QVERIFY(pixelsOfColour(image, CoverYellow) > 0);

        const QImage before = image.copy();
        DrawDotGrid(image, picture.triangle, picture.gridSize, diameter, true);
        QCOMPARE(dotsOfColour(image, picture.gridSize, diameter, RevealedDot), task.expectedAnswer);
        QCOMPARE(pixelsOfColour(image, RevealedDot), dotPixels * task.expectedAnswer);
        QCOMPARE(dotsOfColour(image, picture.gridSize, diameter, VisibleDot), dots - task.expectedAnswer);

        const QImage revealed = image.copy();
        DrawDotGrid(image, picture.triangle, picture.gridSize, diameter, true);
        QCOMPARE(image, revealed);

        DrawDotGrid(image, picture.triangle, picture.gridSize, diameter, false);
        QCOMPARE(image, before);
    }
}

// At b = −24 every task hides the single dot, so no task differs from the one before:
// the run gives up after its bounded number of tries and poses the same task again.
void CountingDotsTest::smallestGridDoesNotHangTheRun()
{
    Random random(1);
    GenerationContext context = MakeContext(random, 0, 24);
    PracticeRun run;
    run.currentTask.kind = 403;
    run.reset();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 2; ++i) {
        const std::optional<GeneratedTask> task = run.poseTask(context);
        QVERIFY(task.has_value());
        QCOMPARE(task->expectedAnswer, 1);
        QCOMPARE(run.dotGridSize, 1);
    }
    qInfo("two tasks at the smallest grid took %lld ms", qint64(clock.elapsed()));
}

void CountingDotsTest::layoutOfTheQuestion_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("fieldWidth");
    QTest::newRow("small") << 1.0 << 50;
    QTest::newRow("large") << 1.28 << 64;
}

void CountingDotsTest::layoutOfTheQuestion()
{
    QFETCH(double, scale);
    QFETCH(int, fieldWidth);
    Random random(14);
    GenerationContext context = MakeContext(random, 0, 0, scale);
    const TaskLayout layout = Zaehlen(context, 0).layout;
    const QString question = QStringLiteral("Wie viele Punkte sind verdeckt?");
    QCOMPARE(layout.label1.caption.value(), question);
    QCOMPARE(layout.label1.font->family, QStringLiteral("Comic Sans MS"));
    QCOMPARE(layout.label1.font->pointSize, 12);
    QCOMPARE(layout.label1.left.value(), 8);
    QCOMPARE(layout.label1.top.value(), 20);
    // 31 characters of 9 pixels at 12 points in the fake measure.
    QCOMPARE(layout.label1.width.value(), 279);
    QCOMPARE(layout.edit1.left.value(), 8 + 279 + 20);
    QCOMPARE(layout.edit1.top.value(), 20);
    QCOMPARE(layout.edit1.width.value(), fieldWidth);
    QCOMPARE(layout.label3.visible.value(), false);
    QVERIFY(layout.label3.caption.value().isEmpty());
    QCOMPARE(layout.praiseVisible.value(), false);
    QCOMPARE(layout.buttonsTop.value(), context.taskBoxHeight - ButtonHeight - 20);
}

QTEST_MAIN(CountingDotsTest)
#include "tst_countingdots.moc"
