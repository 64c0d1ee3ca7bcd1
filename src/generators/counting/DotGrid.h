#pragma once
// The picture of the counting task: a square grid of round dots on silver, partly under
// a yellow triangle. Decides which dots are hidden by painting the cover and reading the
// pixels back, so the generator's count and the red dots of the reveal come from one and
// the same test. Where the picture is kept and shown is left to the exercise window.

#include "core/TaskTypes.h"
#include "core/WindowColours.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>

// The dots lie on the window's own ground.
inline constexpr QColor DotBackground = Silver;
inline const QColor CoverYellow(255, 255, 0);
inline const QColor VisibleDot(0, 0, 128);
inline const QColor RevealedDot(255, 0, 0);

// Dots are about five pixels wide at the small layout and grow with the layout.
int DotDiameter(double layoutScale);
// The square of a dot around its grid point, and the pixels of the dot: the square
// without its four corners.
QRect DotSquare(QPoint point, int diameter);
QList<QPoint> DotPixels(QPoint point, int diameter);

// Rows and columns of the grid at balance b: 4 + b/8 (truncated toward zero), at least 1.
int DotGridSize(qint32 balance);

// Grid points spread evenly over the drawing area, with equal gaps at the borders.
struct DotGridGeometry
{
    int gridSize = 0;
    int dx = 0;
    int dy = 0;

    // Column i and row j, both counted from 1.
    QPoint point(int i, int j) const { return QPoint(i * dx, j * dy); }
    // All points, row by row, left to right.
    QList<QPoint> points() const;
};

DotGridGeometry DotGridFor(int gridSize, QSize area);

// Silver background and the filled, outlined yellow triangle, without antialiasing. The
// outline may be omitted where only pixels away from the edges are read.
enum class CoverOutline { Drawn, Omitted };
void PaintCover(QImage &image, const TCoverTriangle &triangle, CoverOutline outline = CoverOutline::Drawn);

// A grid point is hidden unless its whole dot can be seen: it is hidden when any pixel of
// its dot is exactly the cover's yellow in `image`. A dot showing half from under the
// triangle is not drawn and counts as hidden.
bool IsCovered(const QImage &image, QPoint point, int diameter);

// The hidden grid points of a task, row by row, tested on the cover painted at `area`.
QList<QPoint> CoveredDots(const TCoverTriangle &triangle, int gridSize, QSize area, int diameter);

// The exercise window's painter for the drawing area, sized like it:
//   showHidden false: the whole picture (background, triangle, the visible dots in navy);
//   showHidden true:  red dots at the hidden points only, over what the image holds.
// The image may have a device pixel ratio; the dots are placed in its logical pixels.
void DrawDotGrid(QImage &image, const TCoverTriangle &triangle, int gridSize, int diameter, bool showHidden);
