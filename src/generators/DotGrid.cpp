#include "generators/DotGrid.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <vector>

namespace {

// A dot fills the 2 × 2 pixels whose top-left corner is the grid point: a non-antialiased
// ellipse in a 1 × 1 box with a one-pixel pen covers exactly those.
void drawDot(QPainter &painter, QPoint point)
{
    painter.drawEllipse(QRect(point, QSize(1, 1)));
}

void beginPlainPainting(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The cover's outline touches only pixels within about a pixel of an edge, and a grid
// point is judged on itself and its direct neighbours; a point further than this from
// every edge is decided by the fill alone.
constexpr double OutlineReach = 3.0;

double squaredDistanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF away = p - (a + t * ab);
    return QPointF::dotProduct(away, away);
}

bool nearAnEdge(const TCoverTriangle &triangle, QPoint point)
{
    for (std::size_t i = 0; i < triangle.size(); ++i) {
        if (squaredDistanceToSegment(point, triangle[i], triangle[(i + 1) % triangle.size()])
            <= OutlineReach * OutlineReach)
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

bool IsCovered(const QImage &image, QPoint p)
{
    return isYellowAt(image, p.x(), p.y()) || isYellowAt(image, p.x() + 1, p.y())
        || isYellowAt(image, p.x() - 1, p.y()) || isYellowAt(image, p.x(), p.y() + 1)
        || isYellowAt(image, p.x(), p.y() - 1);
}

QList<QPoint> CoveredDots(const TCoverTriangle &triangle, int gridSize, QSize area)
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
                                     [&around](QPoint p) { return around.contains(p); });
    if (!anyNear)
        return covered;
    TCoverTriangle shifted = triangle;
    for (QPoint &corner : shifted)
        corner -= around.topLeft();
    // Drawing the outline costs more than filling the whole triangle, and it only decides
    // grid points that lie close to an edge.
    const bool outlineDecides = std::any_of(points.begin(), points.end(),
                                            [&triangle](QPoint p) { return nearAnEdge(triangle, p); });
    QImage cover = reusedImage(around.size());
    PaintCover(cover, shifted, outlineDecides ? CoverOutline::Drawn : CoverOutline::Omitted);
    for (QPoint point : points) {
        if (IsCovered(cover, point - around.topLeft()))
            covered.append(point);
    }
    return covered;
}

void DrawDotGrid(QImage &image, const TCoverTriangle &triangle, int gridSize, bool showHidden)
{
    if (image.isNull())
        return;
    // The hidden dots are always judged on a freshly painted cover, never on what the
    // image holds now, so red dots already shown cannot change a later reveal.
    const QList<QPoint> covered = CoveredDots(triangle, gridSize, image.size());
    if (!showHidden)
        PaintCover(image, triangle);

    QPainter painter(&image);
    beginPlainPainting(painter);
    painter.setBrush(CoverYellow);
    if (showHidden) {
        painter.setPen(RevealedDot);
        for (QPoint point : covered)
            drawDot(painter, point);
        return;
    }
    painter.setPen(VisibleDot);
    for (QPoint point : DotGridFor(gridSize, image.size()).points()) {
        if (!covered.contains(point))
            drawDot(painter, point);
    }
}
