#include "shell/picker/AnimalPainting.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

// Every face is drawn on a square of 100 × 100 units, the head about the middle.
enum Animal { Katze, Hund, Maus, Baer, Hase, Fuchs, Schwein, Eule, Frosch, Kueken, Panda, Loewe };

const std::array<const char *, AnimalCount> Names = {"Katze", "Hund", "Maus", "Bär", "Hase", "Fuchs",
                                                     "Schwein", "Eule", "Frosch", "Küken", "Panda", "Löwe"};
const std::array<QColor, BackgroundCount> Backgrounds = {QColor(0xcf, 0xe6, 0xfa), QColor(0xd4, 0xf2, 0xcf),
                                                         QColor(0xfb, 0xf1, 0xbe), QColor(0xfa, 0xd6, 0xe1),
                                                         QColor(0xe4, 0xd9, 0xf6), QColor(0xfd, 0xdc, 0xc0)};
const QColor Ink(40, 35, 35);
const QColor Pink(240, 150, 170);
const QColor White(250, 250, 250);
// A faint line round every part, so a white animal stands out from a light ground.
const QPen Outline(QColor(0, 0, 0, 60), 1.2);

void disc(QPainter &p, const QColor &colour, QPointF centre, qreal rx, qreal ry)
{
    p.setBrush(colour);
    p.drawEllipse(centre, rx, ry);
}

void shape(QPainter &p, const QColor &colour, std::initializer_list<QPointF> corners)
{
    p.setBrush(colour);
    p.drawPolygon(QPolygonF(QList<QPointF>(corners)));
}

// Two eyes with a glint, `apart` units from the middle each.
void eyes(QPainter &p, qreal y, qreal apart = 13, qreal size = 5)
{
    for (const qreal x : {50 - apart, 50 + apart}) {
        disc(p, Ink, {x, y}, size, size);
        disc(p, White, {x + size / 3, y - size / 3}, size / 3, size / 3);
    }
}

void whiskers(QPainter &p, qreal y)
{
    p.setPen(QPen(Ink, 1.5));
    for (const qreal side : {-1.0, 1.0}) {
        p.drawLine(QPointF(50 + side * 10, y), QPointF(50 + side * 34, y - 5));
        p.drawLine(QPointF(50 + side * 10, y + 3), QPointF(50 + side * 34, y + 6));
    }
    p.setPen(Outline);
}

void smallNose(QPainter &p, const QColor &colour, qreal y)
{
    shape(p, colour, {{45, y}, {55, y}, {50, y + 6}});
}

void paintFace(QPainter &p, int animal)
{
    const QColor orange(236, 150, 60), brown(160, 110, 65), grey(165, 165, 172), dark(110, 70, 40);
    switch (animal) {
    case Katze:
        shape(p, orange, {{22, 40}, {26, 12}, {46, 30}});
        shape(p, orange, {{78, 40}, {74, 12}, {54, 30}});
        disc(p, orange, {50, 55}, 32, 28);
        eyes(p, 50);
        smallNose(p, Pink, 60);
        whiskers(p, 66);
        break;
    case Hund:
        disc(p, brown, {50, 52}, 30, 30);
        disc(p, dark, {21, 52}, 9, 22);
        disc(p, dark, {79, 52}, 9, 22);
        disc(p, QColor(235, 210, 170), {50, 66}, 16, 12);
        eyes(p, 46);
        disc(p, Ink, {50, 60}, 6, 4);
        disc(p, Pink, {50, 75}, 4, 5);
        break;
    case Maus:
        disc(p, grey, {24, 30}, 17, 17);
        disc(p, grey, {76, 30}, 17, 17);
        disc(p, Pink, {24, 30}, 10, 10);
        disc(p, Pink, {76, 30}, 10, 10);
        disc(p, grey, {50, 58}, 26, 26);
        eyes(p, 54, 10, 4);
        disc(p, Pink, {50, 68}, 4, 4);
        whiskers(p, 70);
        break;
    case Baer:
        disc(p, brown, {27, 28}, 11, 11);
        disc(p, brown, {73, 28}, 11, 11);
        disc(p, brown, {50, 56}, 32, 30);
        disc(p, QColor(220, 180, 130), {50, 68}, 14, 11);
        eyes(p, 50);
        disc(p, Ink, {50, 63}, 6, 4);
        break;
    case Hase:
        disc(p, White, {38, 25}, 8, 22);
        disc(p, White, {62, 25}, 8, 22);
        disc(p, Pink, {38, 25}, 4, 16);
        disc(p, Pink, {62, 25}, 4, 16);
        disc(p, White, {50, 63}, 27, 25);
        eyes(p, 58, 11, 4);
        smallNose(p, Pink, 67);
        p.setBrush(White);
        p.setPen(QPen(Ink, 1));
        p.drawRect(QRectF(46, 76, 8, 8));
        p.setPen(Outline);
        break;
    case Fuchs:
        shape(p, QColor(225, 95, 30), {{20, 40}, {22, 10}, {44, 28}});
        shape(p, QColor(225, 95, 30), {{80, 40}, {78, 10}, {56, 28}});
        shape(p, Ink, {{22, 10}, {21, 20}, {29, 16}});
        shape(p, Ink, {{78, 10}, {79, 20}, {71, 16}});
        shape(p, QColor(225, 95, 30), {{16, 40}, {84, 40}, {50, 88}});
        disc(p, QColor(225, 95, 30), {50, 42}, 34, 16);
        shape(p, White, {{22, 52}, {50, 62}, {50, 88}});
        shape(p, White, {{78, 52}, {50, 62}, {50, 88}});
        eyes(p, 47);
        disc(p, Ink, {50, 84}, 5, 4);
        break;
    case Schwein:
        shape(p, Pink, {{24, 38}, {26, 16}, {42, 30}});
        shape(p, Pink, {{76, 38}, {74, 16}, {58, 30}});
        disc(p, QColor(246, 180, 195), {50, 55}, 32, 29);
        eyes(p, 46);
        disc(p, Pink, {50, 64}, 13, 9);
        disc(p, QColor(170, 80, 100), {45, 64}, 2.5, 3.5);
        disc(p, QColor(170, 80, 100), {55, 64}, 2.5, 3.5);
        break;
    case Eule:
        shape(p, QColor(140, 100, 70), {{20, 30}, {28, 8}, {40, 26}});
        shape(p, QColor(140, 100, 70), {{80, 30}, {72, 8}, {60, 26}});
        disc(p, QColor(140, 100, 70), {50, 56}, 32, 34);
        disc(p, White, {36, 46}, 12, 12);
        disc(p, White, {64, 46}, 12, 12);
        eyes(p, 46, 14, 6);
        shape(p, QColor(240, 180, 40), {{45, 56}, {55, 56}, {50, 68}});
        break;
    case Frosch:
        disc(p, QColor(90, 175, 70), {34, 32}, 12, 12);
        disc(p, QColor(90, 175, 70), {66, 32}, 12, 12);
        disc(p, QColor(90, 175, 70), {50, 58}, 36, 24);
        disc(p, White, {34, 31}, 8, 8);
        disc(p, White, {66, 31}, 8, 8);
        eyes(p, 32, 16, 4);
        p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(30, 48, 40, 20), 200 * 16, 140 * 16);
        p.setPen(Outline);
        break;
    case Kueken:
        shape(p, QColor(240, 200, 40), {{46, 24}, {50, 12}, {54, 24}});
        disc(p, QColor(250, 215, 50), {50, 56}, 30, 30);
        eyes(p, 50, 11, 4);
        shape(p, QColor(240, 130, 30), {{42, 60}, {58, 60}, {50, 72}});
        break;
    case Panda:
        disc(p, Ink, {26, 28}, 11, 11);
        disc(p, Ink, {74, 28}, 11, 11);
        disc(p, White, {50, 55}, 32, 29);
        disc(p, Ink, {37, 50}, 8, 10);
        disc(p, Ink, {63, 50}, 8, 10);
        disc(p, White, {38, 49}, 3, 3);
        disc(p, White, {62, 49}, 3, 3);
        disc(p, Ink, {50, 66}, 6, 4);
        break;
    case Loewe:
        disc(p, QColor(190, 100, 30), {50, 52}, 42, 42);
        disc(p, QColor(235, 185, 80), {50, 55}, 28, 27);
        disc(p, QColor(235, 185, 80), {30, 32}, 7, 7);
        disc(p, QColor(235, 185, 80), {70, 32}, 7, 7);
        eyes(p, 50, 11, 4);
        disc(p, QColor(250, 225, 170), {50, 66}, 12, 9);
        smallNose(p, QColor(120, 60, 40), 60);
        break;
    }
}

} // namespace

QString AnimalName(int animal)
{
    return QString::fromUtf8(Names.at(static_cast<std::size_t>(animal)));
}

QPixmap AnimalPixmap(const AnimalPicture &picture, int side, qreal density)
{
    QPixmap pixmap(QSize(side, side) * density);
    pixmap.setDevicePixelRatio(density);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 100.0, side / 100.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Backgrounds.at(static_cast<std::size_t>(picture.background)));
    painter.drawRoundedRect(QRectF(0, 0, 100, 100), 18, 18);
    painter.setPen(Outline);
    paintFace(painter, picture.animal);
    return pixmap;
}
