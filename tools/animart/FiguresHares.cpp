// Five hares: sitting, hopping, running, eating a carrot, and a lop-eared one.

#include "Figures.h"

namespace {

// A long ear from `base`, `angle` degrees clockwise from straight up.
void ear(Sketch &s, QPointF base, double length, double width, double angle, Ink fur, Ink inner)
{
    s.save();
    s.turn(base, angle);
    s.ellipse(base.x(), base.y() - length / 2, width, length / 2, fur);
    s.ellipse(base.x(), base.y() - length / 2 + 2, width * 0.45, length / 2 - 5, inner, 0);
    s.restore();
}

// A hare's head looking right, with eye, pink nose, whiskers and cheeks.
void hareFace(Sketch &s, QPointF centre, double r, Ink fur)
{
    s.ellipse(centre.x(), centre.y(), r, r * 0.9, fur);
    s.eye(centre.x() + r * 0.3, centre.y() - r * 0.2, r * 0.22, 1);
    const QPointF nose = centre + QPointF(r * 0.9, r * 0.15);
    s.ellipse(nose.x(), nose.y(), 2.5, 2, Magenta, 1);
    s.line({nose + QPointF(0, 3), nose + QPointF(-3, 6)}, Black, 1);
    s.line({nose + QPointF(-4, 2), nose + QPointF(6, 0)}, Black, 1);
    s.line({nose + QPointF(-4, 4), nose + QPointF(6, 6)}, Black, 1);
}

void tuft(Sketch &s, double x, double ground)
{
    s.polygon({{x - 8, ground}, {x - 6, ground - 12}, {x - 2, ground - 4}, {x, ground - 16},
               {x + 3, ground - 4}, {x + 7, ground - 12}, {x + 8, ground}}, Green, 1.5);
}

} // namespace

void drawSittingHare(Sketch &s, int phase)
{
    // Sits by a tuft of grass and twitches one ear.
    s.shadow(50, 90, 40);
    tuft(s, 98, 88);
    s.ellipse(16, 62, 7, 7, White);                                          // tail
    s.ellipse(44, 62, 28, 24, Olive);                                        // body
    s.ellipse(38, 84, 20, 5, Olive);                                         // hind foot
    s.limb({{64, 70}, {68, 84}}, 6, Olive);                                  // front legs
    s.ellipse(48, 70, 13, 14, White, 0);                                     // belly
    ear(s, {64, 30}, 28, 6, -8, Olive, Magenta);
    ear(s, {74, 30}, 28, 6, phase == 0 ? 10 : 70, Olive, Magenta);
    hareFace(s, {72, 40}, 15, Olive);
}

void drawHoppingHare(Sketch &s, int phase)
{
    // Crouched before the jump, stretched in the air.
    const bool crouched = phase == 0;
    s.shadow(62, 80, 44);
    if (crouched) {
        s.ellipse(24, 58, 6, 6, White);
        s.ellipse(44, 74, 22, 5, Grey);                                      // hind foot
        s.ellipse(50, 56, 30, 20, Grey);
        s.limb({{74, 64}, {78, 74}}, 5, Grey);
        ear(s, {78, 30}, 26, 6, -40, Grey, Magenta);
        ear(s, {84, 32}, 26, 6, -20, Grey, Magenta);
        hareFace(s, {86, 40}, 14, Grey);
        return;
    }
    s.save();
    s.turn({62, 40}, -12);
    s.limb({{36, 46}, {10, 56}}, 6, Grey);                                   // hind legs stretched
    s.ellipse(10, 58, 8, 4, Grey);
    s.ellipse(22, 34, 6, 6, White);
    s.ellipse(58, 40, 36, 16, Grey);                                         // body
    s.limb({{84, 48}, {104, 62}}, 5, Grey);                                  // front legs reaching
    ear(s, {86, 22}, 26, 6, -60, Grey, Magenta);
    ear(s, {90, 22}, 26, 6, -45, Grey, Magenta);
    hareFace(s, {94, 30}, 14, Grey);
    s.restore();
}

void drawRunningHare(Sketch &s, int phase)
{
    // Gallops: all legs stretched, then gathered under the body.
    const bool stretched = phase == 0;
    s.shadow(64, 72, 50);
    for (int i = 0; i < 2; ++i)
        s.line({{2, 26.0 + i * 10}, {12, 26.0 + i * 10}}, White, 2);
    if (stretched) {
        s.limb({{36, 46}, {12, 60}}, 6, DarkRed);
        s.limb({{86, 48}, {114, 62}}, 5, DarkRed);
    } else {
        s.limb({{40, 48}, {66, 64}}, 6, DarkRed);
        s.limb({{80, 50}, {60, 64}}, 5, DarkRed);
    }
    s.ellipse(22, 34, 6, 6, White);                                          // tail
    s.ellipse(60, 40, stretched ? 38 : 32, 15, DarkRed);                     // body
    s.ellipse(62, 48, 20, 6, White, 0);                                      // belly
    ear(s, {98, 20}, 28, 5, -75, DarkRed, Magenta);
    ear(s, {102, 22}, 28, 5, -62, DarkRed, Magenta);
    hareFace(s, {106, 30}, 13, DarkRed);
}

void drawCarrotHare(Sketch &s, int phase)
{
    // Nibbles a carrot, which gets shorter.
    const bool bitten = phase == 1;
    s.shadow(54, 77, 42);
    s.ellipse(20, 54, 7, 7, Grey);                                           // tail
    s.ellipse(46, 52, 26, 20, White);                                        // body
    s.ellipse(40, 70, 18, 5, White);                                         // hind foot
    ear(s, {70, 22}, 24, 6, -6, White, Magenta);
    ear(s, {80, 22}, 24, 6, 14, White, Magenta);
    hareFace(s, {78, 32}, 14, White);
    // carrot held in the paws, its tip in the mouth; a bite makes it shorter
    s.limb({{62, 56}, {98, 54}}, 5, White);                                  // paw
    const QPointF mouth(90, 42), end(112, 52);
    const QPointF tip = bitten ? mouth + (end - mouth) * 0.4 : mouth;
    for (const QPointF leaf : {QPointF(7, -12), QPointF(9, 0), QPointF(7, 12)})
        s.limb({end, end + leaf}, 2, Green);
    s.polygon({tip, end + QPointF(3, -8), end + QPointF(-3, 8)}, Red, 1.5);
    for (double along : {0.5, 0.75})
        s.line({tip + (end - tip) * along + QPointF(1, -3), tip + (end - tip) * along + QPointF(-1, 3)},
               DarkRed, 1);
    if (bitten) {
        s.dot(84, 50, 1.5, Red);
        s.dot(94, 36, 1.5, Red);
        s.dot(86, 60, 1.5, Red);
    }
}

void drawLopHare(Sketch &s, int phase)
{
    // A small spotted lop-eared hare lifts its floppy ears.
    const bool lifted = phase == 1;
    s.shadow(50, 68, 40);
    s.ellipse(16, 46, 6, 6, White);                                          // tail
    s.ellipse(44, 48, 28, 16, White);                                        // body
    s.ellipse(36, 44, 9, 6, Black, 0);                                       // patches
    s.ellipse(52, 56, 6, 4, Black, 0);
    s.ellipse(40, 62, 16, 4, White);                                         // hind foot
    s.limb({{64, 56}, {68, 62}}, 5, White);
    ear(s, {58, 28}, 24, 6, lifted ? -70 : -150, White, Black);              // behind the head
    hareFace(s, {72, 36}, 14, White);
    ear(s, {62, 26}, 24, 6, lifted ? -35 : -172, White, Black);
}
