#pragma once
// A pen for the reward pictures: bold shapes in palette colours with black outlines, on
// the window's light-grey background, without antialiasing so that every pixel stays one
// of the 16 colours. What to draw is left to the figures.

#include "Bmp16.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

using Points = QList<QPointF>;

class Sketch
{
public:
    explicit Sketch(QImage &canvas);

    int width() const { return m_width; }
    int height() const { return m_height; }
    QPainter &painter() { return m_painter; }

    // Filled shapes with a black rim of `rim` pixels (0: no rim).
    void ellipse(double cx, double cy, double rx, double ry, Ink fill, double rim = 2);
    void polygon(const Points &points, Ink fill, double rim = 2);
    void box(double x, double y, double w, double h, Ink fill, double radius = 0, double rim = 2);
    void path(const QPainterPath &outline, Ink fill, double rim = 2);
    // Only the black rim of a shape, to draw over what was clipped to it.
    void outline(const QPainterPath &shape, double rim = 2);
    // A thick stroke with rounded ends and a black rim: arms, legs, fingers, stems, tails.
    void limb(const Points &joints, double thickness, Ink fill);
    // A plain stroke.
    void line(const Points &joints, Ink ink, double thickness = 2);
    // An arc of the ellipse around (cx, cy), angles in degrees counter-clockwise from 3 o'clock.
    void arc(double cx, double cy, double rx, double ry, double from, double span,
             Ink ink = Black, double thickness = 2);
    void dot(double cx, double cy, double r, Ink ink);
    // A round cartoon eye looking to the right by `look` pixels.
    void eye(double cx, double cy, double r, double look = 0);
    // A flat grey shadow the figure stands on.
    void shadow(double cx, double bottom, double rx);

    // Following shapes are turned by `degrees` (clockwise on screen) around `centre`
    // until restore().
    void turn(QPointF centre, double degrees);
    void save() { m_painter.save(); }
    void restore() { m_painter.restore(); }

private:
    QPen rimPen(double rim) const;

    int m_width;
    int m_height;
    QPainter m_painter;
};

// Points of a regular star or a flower outline: `spikes` tips at radius `outer`.
Points starPoints(QPointF centre, int spikes, double outer, double inner, double turnDegrees = 0);
