#include "Sketch.h"

#include <QtMath>

Sketch::Sketch(QImage &canvas)
    : m_width(canvas.width()), m_height(canvas.height()), m_painter(&canvas)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.fillRect(canvas.rect(), inkColor(Silver));
}

QPen Sketch::rimPen(double rim) const
{
    if (rim <= 0)
        return Qt::NoPen;
    QPen pen(inkColor(Black), rim);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Sketch::ellipse(double cx, double cy, double rx, double ry, Ink fill, double rim)
{
    m_painter.setPen(rimPen(rim));
    m_painter.setBrush(inkColor(fill));
    m_painter.drawEllipse(QPointF(cx, cy), rx, ry);
}

void Sketch::polygon(const Points &points, Ink fill, double rim)
{
    m_painter.setPen(rimPen(rim));
    m_painter.setBrush(inkColor(fill));
    m_painter.drawPolygon(points.data(), int(points.size()));
}

void Sketch::box(double x, double y, double w, double h, Ink fill, double radius, double rim)
{
    m_painter.setPen(rimPen(rim));
    m_painter.setBrush(inkColor(fill));
    m_painter.drawRoundedRect(QRectF(x, y, w, h), radius, radius);
}

void Sketch::path(const QPainterPath &outline, Ink fill, double rim)
{
    m_painter.setPen(rimPen(rim));
    m_painter.setBrush(inkColor(fill));
    m_painter.drawPath(outline);
}

void Sketch::outline(const QPainterPath &shape, double rim)
{
    m_painter.setPen(rimPen(rim));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(shape);
}

void Sketch::limb(const Points &joints, double thickness, Ink fill)
{
    line(joints, Black, thickness + 4);
    line(joints, fill, thickness);
}

void Sketch::line(const Points &joints, Ink ink, double thickness)
{
    QPen pen(inkColor(ink), thickness);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    if (joints.size() == 1)
        m_painter.drawPoint(joints.front());
    else
        m_painter.drawPolyline(joints.data(), int(joints.size()));
}

void Sketch::arc(double cx, double cy, double rx, double ry, double from, double span,
                 Ink ink, double thickness)
{
    QPen pen(inkColor(ink), thickness);
    pen.setCapStyle(Qt::RoundCap);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawArc(QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry), int(from * 16), int(span * 16));
}

void Sketch::dot(double cx, double cy, double r, Ink ink)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(inkColor(ink));
    m_painter.drawEllipse(QPointF(cx, cy), r, r);
}

void Sketch::eye(double cx, double cy, double r, double look)
{
    ellipse(cx, cy, r, r * 1.2, White, 1.5);
    dot(cx + look, cy + r * 0.2, r * 0.55, Black);
}

void Sketch::shadow(double cx, double bottom, double rx)
{
    ellipse(cx, bottom - 3, rx, 3, Grey, 0);
}

void Sketch::turn(QPointF centre, double degrees)
{
    m_painter.translate(centre);
    m_painter.rotate(degrees);
    m_painter.translate(-centre);
}

Points starPoints(QPointF centre, int spikes, double outer, double inner, double turnDegrees)
{
    Points points;
    for (int i = 0; i < 2 * spikes; ++i) {
        const double angle = qDegreesToRadians(turnDegrees - 90 + i * 180.0 / spikes);
        const double radius = i % 2 == 0 ? outer : inner;
        points << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return points;
}
