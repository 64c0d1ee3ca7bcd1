#pragma once
// The number ray of the number-line tasks: where its ticks, marks, labels and arrow go
// (pure functions returning plain data) and a painter that puts exactly that into the
// drawing area's retained image. Choosing the section of the ray is the generators' job.

#include "core/TaskTypes.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QImage;

// Fixed rows of the picture, in pixels of the drawing area.
inline constexpr int LineLeftX = 10;
inline constexpr int BaseLineY = 70;
inline constexpr int SmallTickTopY = 65;
inline constexpr int LongTickTopY = 60;
inline constexpr int LabelTopY = 74;
inline constexpr int ArrowTopY = 47;
inline const QColor ArrowYellow(255, 255, 0);
// The arrow's rim, so that the yellow stands out from the silver around it.
inline const QColor ArrowOutline(0, 0, 0);
// The correction's arrow at the place of the number to be found: not the child's yellow.
inline const QColor PlaceArrowColour(0, 110, 0);

void SetNumberLine(TNumberLine &line, qint32 startValue, qint32 endValue, qint32 pixelsPerUnit,
                   qint32 arrowOffset);

// Column of the ray at an offset counted in units from its left end.
inline int OffsetX(qint32 pixelsPerUnit, qint32 offset) { return LineLeftX + offset * pixelsPerUnit; }

// A horizontal or vertical line from `from` up to, but not including, `to`.
struct LineSegment
{
    QPoint from;
    QPoint to;

    // The pixels it covers.
    QRect pixels() const;
    bool operator==(const LineSegment &) const = default;
};

struct PlacedText
{
    QString text;
    QPoint topLeft;

    bool operator==(const PlacedText &) const = default;
};

struct NumberLineGeometry
{
    QRect clearedBand;                       // wiped before anything is drawn
    QPoint headMark;                         // ">" at the right edge
    LineSegment baseLine;
    QList<LineSegment> smallTicks;
    std::optional<QPoint> continuationMark;  // "....": the ray begins further left
    QList<LineSegment> longTicks;            // only those inside the picture
    PlacedText leftLabel;
    PlacedText rightLabel;
    QList<PlacedText> helpLabels;            // after a wrong answer only
    std::optional<int> arrowCentreX;         // none where the child has to find the number
};

// Pixel width of a text in the label font.
using LabelMeasure = std::function<int(const QString &text)>;

// Left edges of labels: the left one never starts left of x = 1, a right one is moved
// left until it ends at the right edge of a picture `width` pixels wide.
int LeftLabelX(int centreX, int textWidth);
int RightLabelX(int centreX, int textWidth, int width);

NumberLineGeometry NumberLineLayout(const TNumberLine &line, bool arrowShown, bool taskFailed,
                                    double layoutScale, int width, const LabelMeasure &labelWidth);

// Paints the ray, its labels and its arrow into the drawing area's image; the picture's
// width is the image's. The arrow stays hidden where the child has to find the number.
void DrawNumberLine(QImage &drawing, const TNumberLine &line, bool arrowShown, bool taskFailed,
                    double layoutScale);

// One more yellow arrow, centred on column x, as the distance task needs.
void DrawArrowAt(QImage &drawing, int centreX);

// The correction's arrow in its own colour, centred on column x, with the number that lies
// there written beside it.
void DrawPlaceOfNumber(QImage &drawing, int centreX, const QString &number);
