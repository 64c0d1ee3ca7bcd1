// Vehicles and things: plane, car, lamp, shuttle, boot, stone, bike, rocket, egg and the
// jack-in-the-box.

#include "Figures.h"

#include <QtMath>

namespace {

// A spoked wheel; `spin` turns the spokes.
void wheel(Sketch &s, double cx, double cy, double r, double spin)
{
    s.ellipse(cx, cy, r, r, Black, 0);
    s.ellipse(cx, cy, r - 4, r - 4, Silver, 0);
    for (int i = 0; i < 3; ++i) {
        const double a = qDegreesToRadians(spin + i * 60.0);
        const QPointF d((r - 4) * qCos(a), (r - 4) * qSin(a));
        s.line({QPointF(cx, cy) - d, QPointF(cx, cy) + d}, Grey, 2);
    }
    s.ellipse(cx, cy, 3, 3, Grey, 1);
}

// A flame pointing down from `top`, `length` long.
void flameDown(Sketch &s, double cx, double top, double halfWidth, double length)
{
    s.polygon({{cx - halfWidth, top}, {cx + halfWidth, top}, {cx + halfWidth * 0.5, top + length * 0.6},
               {cx, top + length}, {cx - halfWidth * 0.5, top + length * 0.6}}, Yellow, 2);
    s.polygon({{cx - halfWidth * 0.5, top}, {cx + halfWidth * 0.5, top}, {cx, top + length * 0.6}}, Red, 0);
}

} // namespace

void drawPlane(Sketch &s, int phase)
{
    // Climbing to the right: the whole plane tilts its nose up; the propeller turns.
    s.turn({50, 52}, -10);
    // speed lines behind
    for (int i = 0; i < 3; ++i)
        s.line({{2.0 + 4 * phase, 40.0 + i * 10}, {12.0 + 4 * phase, 40.0 + i * 10}}, White, 2);
    s.polygon({{18, 46}, {12, 22}, {24, 22}, {38, 46}}, Red);               // tail fin
    s.polygon({{16, 54}, {4, 60}, {24, 60}}, Red);                          // tail wing
    s.box(14, 42, 72, 22, Red, 11);                                         // body
    s.ellipse(62, 40, 11, 9, Cyan);                                         // cockpit
    s.ellipse(64, 36, 5, 5, White, 1.5);                                    // pilot
    s.box(58, 38, 12, 3, Navy, 1, 0);
    for (int x : {28, 38, 48})
        s.ellipse(x, 50, 3, 3, White, 1.5);
    s.polygon({{36, 56}, {62, 56}, {50, 74}, {30, 74}}, Yellow);            // wing
    s.ellipse(88, 53, 4, 5, Grey);                                          // hub
    if (phase == 0)
        s.limb({{92, 33}, {92, 73}}, 3, Grey);
    else
        s.limb({{92, 47}, {92, 59}}, 3, Grey);
}

void drawCar(Sketch &s, int phase)
{
    const double bounce = phase;
    s.shadow(50, 99, 44);
    // exhaust cloud
    if (phase == 0)
        s.ellipse(6, 74, 3, 3, White, 1.5);
    else {
        s.ellipse(7, 72, 5, 5, White, 1.5);
        s.ellipse(2, 64, 3, 3, White, 1.5);
    }
    s.polygon({{24, 52 + bounce}, {34, 28 + bounce}, {66, 28 + bounce}, {78, 52 + bounce}}, Blue);
    s.polygon({{31, 50 + bounce}, {38, 33 + bounce}, {49, 33 + bounce}, {49, 50 + bounce}}, Cyan);
    s.polygon({{53, 50 + bounce}, {53, 33 + bounce}, {64, 33 + bounce}, {72, 50 + bounce}}, Cyan);
    s.box(8, 50 + bounce, 86, 28, Blue, 8);
    s.box(84, 56 + bounce, 10, 7, Yellow, 2);                               // headlight
    s.box(8, 58 + bounce, 6, 5, Red, 1);                                    // tail light
    s.line({{50, 56 + bounce}, {50, 74 + bounce}}, Navy, 2);                // door
    s.box(54, 60 + bounce, 8, 3, White, 1, 1);                              // handle
    wheel(s, 28, 80, 14, phase * 30);
    wheel(s, 74, 80, 14, phase * 30);
}

void drawLamp(Sketch &s, int phase)
{
    const bool on = phase == 1;
    s.shadow(50, 104, 30);
    if (on) {
        for (int i = 0; i < 7; ++i) {
            const double a = qDegreesToRadians(200.0 + i * 23.3);
            const QPointF from(50 + 20 * qCos(a), 52 - 20 * qSin(a));
            const QPointF to(50 + 32 * qCos(a), 52 - 32 * qSin(a));
            s.limb({from, to}, 3, Yellow);
        }
    }
    s.limb({{50, 52}, {50, 94}}, 5, Grey);                                  // stand
    s.ellipse(50, 96, 24, 6, Navy);                                         // foot
    s.ellipse(50, 52, 9, 10, on ? Yellow : White);                         // bulb
    s.polygon({{36, 8}, {64, 8}, {80, 46}, {20, 46}}, Red);                 // shade
    for (int x : {38, 50, 62})
        s.ellipse(x, 30, 3, 3, on ? Yellow : White, 1);
    s.line({{68, 46}, {68, 62.0 + 4 * phase}}, Black, 1);                     // pull cord
    s.ellipse(68, 64 + 4 * phase, 2, 2, Yellow, 1);
}

void drawShuttle(Sketch &s, int phase)
{
    flameDown(s, 40, 78, 9, phase == 0 ? 26 : 14);
    s.polygon({{31, 40}, {10, 74}, {31, 74}}, White);                       // wings
    s.polygon({{49, 40}, {70, 74}, {49, 74}}, White);
    s.polygon({{10, 74}, {16, 64}, {20, 74}}, Black, 0);
    s.polygon({{70, 74}, {64, 64}, {60, 74}}, Black, 0);
    s.box(34, 72, 12, 7, Grey, 1);                                          // engines
    QPainterPath body;
    body.moveTo(31, 76);
    body.lineTo(31, 26);
    body.quadTo(31, 6, 40, 2);
    body.quadTo(49, 6, 49, 26);
    body.lineTo(49, 76);
    body.closeSubpath();
    s.path(body, White);
    QPainterPath nose;
    nose.moveTo(33, 16);
    nose.quadTo(35, 6, 40, 3);
    nose.quadTo(45, 6, 47, 16);
    nose.closeSubpath();
    s.path(nose, Black, 0);
    s.box(35, 20, 10, 6, Navy, 2, 1);                                       // windows
    s.box(31, 36, 18, 4, Red, 0, 0);                                        // stripe
    s.box(31, 44, 18, 4, Blue, 0, 0);
}

void drawBoot(Sketch &s, int phase)
{
    // A walking boot: heel down in one step, toe down in the next.
    for (int i = 0; i < 3; ++i)
        s.line({{4.0, 40.0 + i * 12}, {14.0 - 4 * phase, 40.0 + i * 12}}, White, 2);
    s.turn(phase == 0 ? QPointF(30, 90) : QPointF(88, 90), phase == 0 ? -10 : 8);
    QPainterPath boot;
    boot.moveTo(26, 88);
    boot.lineTo(26, 14);
    boot.lineTo(60, 14);
    boot.lineTo(62, 52);
    boot.quadTo(90, 56, 92, 76);
    boot.lineTo(92, 88);
    boot.closeSubpath();
    s.path(boot, DarkRed);
    s.box(22, 8, 42, 10, Olive, 3);                                         // rim
    s.box(24, 84, 70, 8, Black, 3, 0);                                      // sole
    s.box(24, 78, 18, 14, Black, 2, 0);                                     // heel
    for (int y : {28, 40, 52})
        s.line({{50, double(y)}, {62, double(y) + 10}}, Yellow, 2);         // laces
    for (int y : {28, 40, 52})
        s.line({{62, double(y)}, {50, double(y) + 10}}, Yellow, 2);
    s.ellipse(80, 74, 5, 3, Red, 0);                                        // shine
}

void drawStone(Sketch &s, int phase)
{
    s.shadow(50, 98, 40);
    s.turn({50, 94}, phase == 0 ? -8 : 8);
    QPainterPath stone;
    stone.moveTo(12, 92);
    stone.quadTo(4, 60, 22, 40);
    stone.quadTo(42, 22, 68, 32);
    stone.quadTo(96, 46, 90, 92);
    stone.closeSubpath();
    s.path(stone, Grey);
    s.ellipse(30, 78, 6, 4, Silver, 0);                                     // speckles
    s.ellipse(74, 46, 4, 3, Silver, 0);
    s.ellipse(76, 80, 3, 2, Black, 0);
    if (phase == 0) {
        s.eye(40, 58, 6, 1);
        s.eye(60, 58, 6, 1);
    } else {
        s.arc(40, 60, 6, 4, 0, 180, Black, 2);                              // happy closed eyes
        s.arc(60, 60, 6, 4, 0, 180, Black, 2);
    }
    s.arc(50, 68, 10, 7, 200, 140, Black, 2);                               // smile
    s.ellipse(32, 70, 4, 2, Magenta, 0);
    s.ellipse(68, 70, 4, 2, Magenta, 0);
    // a little flower growing on top
    s.limb({{52, 30}, {54, 16}}, 2, Green);
    s.polygon(starPoints({54, 12}, 5, 7, 3, phase * 36), Red, 1.5);
    s.dot(54, 12, 2, Yellow);
}

void drawBike(Sketch &s, int phase)
{
    const QPointF rear(17, 88), front(63, 88), crank(40, 88);
    const QPointF hip(32, 58), hand(58, 52), shoulder(42, 34);
    // pedals: level in one frame, up and down in the next
    const QPointF pedalNear = phase == 0 ? QPointF(50, 88) : QPointF(40, 98);
    const QPointF pedalFar = phase == 0 ? QPointF(30, 88) : QPointF(40, 78);
    const QPointF kneeNear = phase == 0 ? QPointF(50, 68) : QPointF(46, 76);
    const QPointF kneeFar = phase == 0 ? QPointF(44, 64) : QPointF(46, 60);

    s.shadow(40, 106, 36);
    s.limb({hip, kneeFar, pedalFar}, 5, Navy);                              // far leg
    wheel(s, rear.x(), rear.y(), 16, phase * 30);
    wheel(s, front.x(), front.y(), 16, phase * 30);
    s.limb({rear, crank, {56, 62}, front}, 3, Red);                         // frame
    s.limb({rear, {30, 62}, crank}, 3, Red);
    s.limb({{30, 62}, {56, 62}}, 3, Red);
    s.limb({{56, 62}, {58, 52}}, 3, Grey);                                  // handlebar
    s.limb({{26, 58}, {34, 58}}, 3, Black);                                 // saddle
    s.ellipse(crank.x(), crank.y(), 4, 4, Grey);
    s.limb({hip, shoulder}, 9, Yellow);                                     // body
    s.limb({shoulder, {52, 46}, hand}, 4, Yellow);                          // arm
    s.limb({hip, kneeNear, pedalNear}, 5, Blue);                            // near leg
    s.box(pedalNear.x() - 4, pedalNear.y() - 2, 10, 4, Black, 1, 0);
    s.ellipse(46, 22, 10, 10, White);                                       // head
    s.eye(50, 21, 2.5, 1);
    s.arc(49, 25, 4, 3, 200, 140, Black, 1.5);
    QPainterPath helmet;
    helmet.moveTo(35, 20);
    helmet.quadTo(36, 8, 47, 8);
    helmet.quadTo(58, 8, 58, 18);
    helmet.closeSubpath();
    s.path(helmet, Green);
}

void drawRocket(Sketch &s, int phase)
{
    // Flies up to the right, drawn lying and turned.
    s.turn({57, 44}, -25);
    const double flame = phase == 0 ? 34 : 20;
    s.polygon({{30, 36}, {30 - flame, 44}, {30, 52}}, Yellow);
    s.polygon({{30, 40}, {30 - flame * 0.6, 44}, {30, 48}}, Red, 0);
    s.polygon({{38, 34}, {26, 22}, {34, 22}, {52, 34}}, Red);               // fins
    s.polygon({{38, 54}, {26, 66}, {34, 66}, {52, 54}}, Red);
    QPainterPath body;
    body.moveTo(30, 32);
    body.lineTo(80, 32);
    body.quadTo(100, 36, 108, 44);
    body.quadTo(100, 52, 80, 56);
    body.lineTo(30, 56);
    body.closeSubpath();
    s.path(body, White);
    QPainterPath tip;
    tip.moveTo(88, 34);
    tip.quadTo(100, 37, 107, 44);
    tip.quadTo(100, 51, 88, 54);
    tip.closeSubpath();
    s.path(tip, Red, 0);
    s.ellipse(68, 44, 7, 7, Blue);
    s.ellipse(66, 42, 2, 2, Cyan, 0);
    s.limb({{44, 44}, {54, 44}}, 2, Red);
    if (phase == 1) {                                                       // sparks
        s.dot(8, 34, 2, Yellow);
        s.dot(12, 56, 2, Yellow);
    }
}

void drawEgg(Sketch &s, int phase)
{
    // Hatching: the egg cracks, then a chick lifts the lid.
    QPainterPath nest;
    nest.moveTo(4, 84);
    nest.quadTo(30, 104, 56, 84);
    nest.closeSubpath();
    s.path(nest, Olive);
    for (int x = 12; x < 42; x += 8)
        s.line({{double(x), 88}, {x + 8.0, 94}}, DarkRed, 1);
    if (phase == 0) {
        s.turn({30, 88}, -6);
        s.ellipse(30, 56, 21, 30, White);
        s.line({{10, 54}, {17, 48}, {22, 56}, {29, 48}, {35, 56}, {41, 48}, {47, 54}}, Black, 2);
        return;
    }
    // lower shell with zigzag rim, chick in it, lid on its head
    s.ellipse(30, 56, 17, 17, Yellow);                                      // chick
    s.eye(24, 54, 3, 1);
    s.eye(36, 54, 3, 1);
    s.polygon({{27, 60}, {33, 60}, {30, 66}}, Red, 1.5);
    QPainterPath lower;
    lower.moveTo(9, 62);
    lower.lineTo(16, 56);
    lower.lineTo(22, 64);
    lower.lineTo(29, 56);
    lower.lineTo(35, 64);
    lower.lineTo(41, 56);
    lower.lineTo(51, 62);
    lower.quadTo(52, 86, 30, 86);
    lower.quadTo(8, 86, 9, 62);
    lower.closeSubpath();
    s.path(lower, White);
    s.turn({30, 30}, 18);
    QPainterPath lid;
    lid.moveTo(12, 36);
    lid.quadTo(14, 10, 30, 10);
    lid.quadTo(46, 10, 48, 36);
    lid.lineTo(42, 30);
    lid.lineTo(36, 38);
    lid.lineTo(30, 30);
    lid.lineTo(24, 38);
    lid.lineTo(18, 30);
    lid.closeSubpath();
    s.path(lid, White);
}

void drawJackInTheBox(Sketch &s, int phase)
{
    const double headY = phase == 0 ? 48 : 34;
    s.shadow(50, 100, 38);
    // spring
    Points spring;
    for (double y = 66; y > headY + 8; y -= 6)
        spring << QPointF(44, y) << QPointF(56, y - 3);
    if (!spring.isEmpty())
        s.line(spring, Black, 3);
    // head with clown nose and hat
    s.ellipse(50, headY, 14, 14, White);
    s.eye(45, headY - 2, 3, 0);
    s.eye(55, headY - 2, 3, 0);
    s.dot(50, headY + 3, 3, Red);
    s.arc(50, headY + 5, 7, 5, 200, 140, Red, 2);
    s.polygon({{38, headY - 10}, {62, headY - 10}, {50, headY - 28}}, Blue);
    s.ellipse(50, headY - 28, 3, 3, Yellow, 1.5);
    s.ellipse(36, headY + 14, 6, 4, Yellow, 1.5);                           // collar
    s.ellipse(50, headY + 16, 6, 4, Green, 1.5);
    s.ellipse(64, headY + 14, 6, 4, Yellow, 1.5);
    // box with lid flung open
    s.polygon({{22, 64}, {78, 64}, {78, 98}, {22, 98}}, Red);
    s.polygon(starPoints({50, 81}, 5, 12, 5), Yellow, 1.5);
    s.polygon(phase == 0 ? Points{{78, 64}, {92, 44}, {92, 54}, {80, 70}}
                         : Points{{78, 64}, {98, 56}, {98, 64}, {80, 70}}, Blue);
    s.limb({{12, 80}, {22, 80}}, 3, Grey);                                  // crank
    s.limb({{12, 80}, {12, phase == 0 ? 70.0 : 90.0}}, 3, Grey);
}
