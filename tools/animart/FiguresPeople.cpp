// People and hands: the dancer, the victory hand, the thumb up and the jogger.

#include "Figures.h"

namespace {

// A round face with eyes, smile and red cheeks.
void face(Sketch &s, double cx, double cy, double r, double look = 0)
{
    s.ellipse(cx, cy, r, r, White);
    s.eye(cx - r * 0.35, cy - r * 0.15, r * 0.22, look);
    s.eye(cx + r * 0.35, cy - r * 0.15, r * 0.22, look);
    s.arc(cx, cy + r * 0.15, r * 0.45, r * 0.4, 200, 140, Black, 2);
    s.dot(cx - r * 0.6, cy + r * 0.3, 2, Magenta);
    s.dot(cx + r * 0.6, cy + r * 0.3, 2, Magenta);
}

// A cartoon glove hand with a cuff: the palm and the folded fingers; the raised fingers
// are drawn by the caller before it.
void fist(Sketch &s, double x, double y, double w, double h)
{
    s.box(x, y, w, h, White, 10);
    s.box(x + 4, y + h, w - 8, 14, Blue, 2);
}

} // namespace

void drawDancer(Sketch &s, int phase)
{
    // Arms and a kicking leg swap sides.
    const double side = phase == 0 ? 1 : -1;
    s.shadow(50, 107, 30);
    // legs
    s.limb({{50 - 6 * side, 70}, {50 - 8 * side, 100}}, 4, White);
    s.limb({{50 + 6 * side, 70}, {50 + 16 * side, 84}, {50 + 28 * side, 88}}, 4, White);
    s.ellipse(50 - 8 * side, 101, 6, 3, Red, 1.5);
    s.ellipse(50 + 30 * side, 88, 5, 3, Red, 1.5);
    // arms: one up, one out
    s.limb({{50 - 4 * side, 36}, {50 - 18 * side, 24}, {50 - 22 * side, 8}}, 4, White);
    s.limb({{50 + 4 * side, 36}, {50 + 20 * side, 42}, {50 + 36 * side, 36}}, 4, White);
    // dress with a wide skirt
    s.polygon({{44, 32}, {56, 32}, {58, 50}, {78 - 4 * side, 74}, {22 - 4 * side, 74}, {42, 50}}, Magenta);
    s.line({{42, 50}, {58, 50}}, Yellow, 3);
    for (double x : {34.0, 46.0, 58.0})
        s.dot(x - 4 * side + (x - 46) * 0.2, 66, 2.5, Yellow);
    // ponytail swinging, then head
    s.limb({{50 + 8 * side, 12}, {50 + 18 * side, 18}, {50 + 20 * side, 26}}, 5, DarkRed);
    face(s, 50, 20, 11, side);
    QPainterPath hair;
    hair.moveTo(39, 18);
    hair.quadTo(40, 6, 50, 7);
    hair.quadTo(60, 6, 61, 18);
    hair.quadTo(52, 12, 39, 18);
    s.path(hair, DarkRed);
    s.dot(50 + 9 * side, 10, 3, Yellow);                                      // hair bow
}

void drawVictoryHand(Sketch &s, int phase)
{
    // The two fingers open and close a little, like a waving greeting.
    const double spread = phase == 0 ? 10 : 18;
    s.limb({{43, 54}, {43 - spread, 12}}, 11, White);
    s.limb({{57, 54}, {57 + spread, 12}}, 11, White);
    fist(s, 30, 48, 40, 36);
    // folded fingers and thumb
    s.line({{36, 58}, {60, 58}}, Black, 2);
    s.line({{36, 66}, {58, 66}}, Black, 2);
    s.limb({{34, 74}, {50, 70}}, 6, White);
    // sparkles
    const double glow = phase == 0 ? 4 : 6;
    s.polygon(starPoints({14, 40}, 4, glow + 3, 2), Yellow, 1);
    s.polygon(starPoints({86, 40}, 4, glow + 3, 2), Yellow, 1);
    s.polygon(starPoints({84, 72}, 4, glow, 1.5), Yellow, 1);
}

void drawThumbUp(Sketch &s, int phase)
{
    // The hand bounces up and the thumb stands straight.
    const double lift = phase == 0 ? 0 : -6;
    s.save();
    s.turn({50, 90}, phase == 0 ? -8 : 0);
    s.limb({{40, 46 + lift}, {42, 18 + lift}}, 12, White);                   // thumb
    s.line({{37, 24 + lift}, {45, 24 + lift}}, Black, 1);                    // thumb nail
    s.box(28, 40 + lift, 42, 40, White, 10);                                 // fist
    for (int i = 0; i < 4; ++i)                                              // curled fingers
        s.box(58, 42 + lift + i * 9.5, 18, 10, White, 5);
    s.box(32, 80 + lift, 34, 14, Blue, 2);                                   // cuff
    s.restore();
    if (phase == 1) {
        s.line({{16, 20}, {24, 26}}, Yellow, 3);
        s.line({{12, 38}, {22, 38}}, Yellow, 3);
        s.line({{70, 14}, {64, 22}}, Yellow, 3);
    }
}

void drawJogger(Sketch &s, int phase)
{
    // Stride and passing step; arms swing against the legs.
    s.shadow(27, 149, 22);
    const bool stride = phase == 0;
    const QPointF hip(27, 84), shoulder(27, 40);
    // back leg and arm
    const Points backLeg = stride ? Points{hip, {18, 112}, {8, 134}} : Points{hip, {38, 104}, {30, 124}};
    const Points backArm = stride ? Points{shoulder, {16, 56}, {10, 46}} : Points{shoulder, {26, 58}, {36, 62}};
    s.limb(backLeg, 6, White);
    s.limb(backArm, 4, White);
    s.ellipse(backLeg.last().x(), backLeg.last().y() + 2, 6, 3.5, Red, 1.5);
    // body: shirt and shorts
    s.limb({shoulder, {27, 74}}, 14, Green);
    s.box(18, 72, 18, 16, Blue, 3);
    // front leg and arm
    const Points frontLeg = stride ? Points{hip, {38, 112}, {44, 140}} : Points{hip, {28, 114}, {27, 142}};
    const Points frontArm = stride ? Points{shoulder, {38, 56}, {48, 48}} : Points{shoulder, {22, 58}, {14, 62}};
    s.limb(frontLeg, 6, White);
    s.ellipse(frontLeg.last().x() + 3, frontLeg.last().y() + 2, 7, 3.5, Red, 1.5);
    s.limb(frontArm, 4, White);
    face(s, 27, 22, 12, 2);
    s.box(14, 11, 26, 5, Red, 2);                                            // headband
    s.line({{14, 13}, {8, stride ? 8.0 : 18.0}}, Red, 3);
    s.dot(27, 56, 5, Yellow);                                                // number on shirt
}
