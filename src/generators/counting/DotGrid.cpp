#include "generators/counting/DotGrid.h"

#include "core/Generation.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <vector>

namespace {

// A dot is its square without the four corner pixels, painted without antialiasing, so
// the pixels drawn are exactly those DotPixels names.
void drawDot(QPainter &painter, QPoint point, int diameter, const QColor &colour)
{
    const QRect square = DotSquare(point, diameter);
    painter.fillRect(square.adjusted(1, 0, -1, 0), colour);
    painter.fillRect(square.adjusted(0, 1, 0, -1), colour);
}

void beginPlainPainting(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The cover's outline touches only pixels within about a pixel of an edge; a grid point
// further than this and its dot's radius from every edge is decided by the fill alone.
constexpr double OutlineReach = 3.0;

double squaredDistanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF away = p - (a + t * ab);
    return QPointF::dotProduct(away, away);
}

bool nearAnEdge(const TCoverTriangle &triangle, QPoint point, int diameter)
{
    const double reach = OutlineReach + diameter;
    for (std::size_t i = 0; i < triangle.size(); ++i) {
        if (squaredDistanceToSegment(point, triangle[i], triangle[(i + 1) % triangle.size()]) <= reach * reach)
            return true;
    }
    return false;
}

// An image of the size in memory kept from the last call: a task may try several
// triangles, and fresh memory for each cover costs about as much as painting it.
QImage reusedImage(QSize size)
{
    static thread_local std::vector<uchar> memory;
    constexpr int BytesPerPixel = 4;
    memory.resize(std::size_t(size.width()) * std::size_t(size.height()) * BytesPerPixel);
    return QImage(memory.data(), size.width(), size.height(), qsizetype(size.width()) * BytesPerPixel, QImage::Format_RGB32);
}

bool isYellowAt(const QImage &image, int x, int y)
{
    return image.valid(x, y) && image.pixel(x, y) == CoverYellow.rgb();
}

} // namespace

int DotDiameter(double layoutScale)
{
    return ScaledRound(5 * layoutScale);
}

QRect DotSquare(QPoint point, int diameter)
{
    const int before = diameter / 2;
    return QRect(point - QPoint(before, before), QSize(diameter, diameter));
}

QList<QPoint> DotPixels(QPoint point, int diameter)
{
    const QRect square = DotSquare(point, diameter);
    QList<QPoint> pixels;
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x) {
            const bool corner =
                (x == square.left() || x == square.right()) && (y == square.top() || y == square.bottom());
            if (!corner)
                pixels.append(QPoint(x, y));
        }
    }
    return pixels;
}

int DotGridSize(qint32 balance)
{
    return std::max(1, 4 + balance / 8);
}

QList<QPoint> DotGridGeometry::points() const
{
    QList<QPoint> all;
    all.reserve(qsizetype(gridSize) * gridSize);
    for (int j = 1; j <= gridSize; ++j) {
        for (int i = 1; i <= gridSize; ++i)
            all.append(point(i, j));
    }
    return all;
}

DotGridGeometry DotGridFor(int gridSize, QSize area)
{
    DotGridGeometry geometry;
    geometry.gridSize = std::max(gridSize, 0);
    geometry.dx = area.width() / (geometry.gridSize + 1);
    geometry.dy = area.height() / (geometry.gridSize + 1);
    return geometry;
}

void PaintCover(QImage &image, const TCoverTriangle &triangle, CoverOutline outline)
{
    image.fill(DotBackground);
    QPainter painter(&image);
    beginPlainPainting(painter);
    if (outline == CoverOutline::Drawn)
        painter.setPen(CoverYellow);
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(CoverYellow);
    painter.drawPolygon(triangle.data(), int(triangle.size()));
}

bool IsCovered(const QImage &image, QPoint point, int diameter)
{
    const QList<QPoint> pixels = DotPixels(point, diameter);
    return std::any_of(pixels.begin(), pixels.end(), [&image](QPoint p) { return isYellowAt(image, p.x(), p.y()); });
}

QList<QPoint> CoveredDots(const TCoverTriangle &triangle, int gridSize, QSize area, int diameter)
{
    // Only the pixels around the triangle can turn yellow, so the cover is painted into
    // just that part of the area: the same pixels, far less painting for the many
    // triangles a task may draw.
    const QRect around = QPolygon(QList<QPoint>(triangle.begin(), triangle.end()))
                             .boundingRect()
                             .adjusted(-2, -2, 2, 2)
                             .intersected(QRect(QPoint(0, 0), area));
    QList<QPoint> covered;
    const QList<QPoint> points = DotGridFor(gridSize, area).points();
    const bool anyNear = std::any_of(points.begin(), points.end(),
                                     [&](QPoint p) { return around.intersects(DotSquare(p, diameter)); });
    if (!anyNear)
        return covered;
    TCoverTriangle shifted = triangle;
    for (QPoint &corner : shifted)
        corner -= around.topLeft();
    // Drawing the outline costs more than filling the whole triangle, and it only decides
    // grid points that lie close to an edge.
    const bool outlineDecides = std::any_of(points.begin(), points.end(),
                                            [&](QPoint p) { return nearAnEdge(triangle, p, diameter); });
    QImage cover = reusedImage(around.size());
    PaintCover(cover, shifted, outlineDecides ? CoverOutline::Drawn : CoverOutline::Omitted);
    for (QPoint point : points) {
        if (IsCovered(cover, point - around.topLeft(), diameter))
            covered.append(point);
    }
    return covered;
}

void DrawDotGrid(QImage &image, const TCoverTriangle &triangle, int gridSize, int diameter, bool showHidden)
{
    if (image.isNull())
        return;
    // Judged in the picture's own pixels, whatever the screen's density.
    const QSize area = image.deviceIndependentSize().toSize();
    // The hidden dots are always judged on a freshly painted cover, never on what the
    // image holds now, so red dots already shown cannot change a later reveal.
    const QList<QPoint> covered = CoveredDots(triangle, gridSize, area, diameter);
    if (!showHidden)
        PaintCover(image, triangle);

    QPainter painter(&image);
    beginPlainPainting(painter);
    if (showHidden) {
        for (QPoint point : covered)
            drawDot(painter, point, diameter, RevealedDot);
        return;
    }
    for (QPoint point : DotGridFor(gridSize, area).points()) {
        if (!covered.contains(point))
            drawDot(painter, point, diameter, VisibleDot);
    }
}
