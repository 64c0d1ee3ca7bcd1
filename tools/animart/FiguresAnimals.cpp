// Animals: elephant, pig, bee, three dogs, tomato, chicken, panda and penguin.

#include "Figures.h"

namespace {

// Four legs of an animal seen from the side: apart in one phase, together in the other.
void walkingLegs(Sketch &s, double front, double back, double top, double ground,
                 double thickness, Ink fill, int phase)
{
    const double swing = phase == 0 ? 8 : 0;
    s.limb({{back + 6, top}, {back + 6 + swing, ground}}, thickness, fill);
    s.limb({{front + 6, top}, {front + 6 - swing, ground}}, thickness, fill);
    s.limb({{back, top}, {back - swing, ground}}, thickness, fill);
    s.limb({{front, top}, {front + swing, ground}}, thickness, fill);
}

void smile(Sketch &s, double cx, double cy, double r)
{
    s.arc(cx, cy, r, r * 0.7, 200, 140, Black, 2);
}

} // namespace

void drawElephant(Sketch &s, int phase)
{
    // Trunk up with a splash of water, then down; the first frame is taller for the trunk.
    const double ground = s.height() - 2;
    const double top = ground - 100;
    s.shadow(44, ground + 2, 40);
    s.limb({{10, top + 50}, {4, top + 64}}, 2, Grey);                        // tail
    walkingLegs(s, 56, 16, top + 70, ground - 4, 12, Grey, 1);
    s.ellipse(36, top + 56, 32, 24, Grey);                                   // body
    if (phase == 0) {
        s.limb({{74, top + 44}, {84, top + 30}, {82, top + 16}}, 9, Grey);
        for (const QPointF drop : {QPointF(72, top + 6), QPointF(80, top + 2), QPointF(88, top + 6),
                                   QPointF(68, top + 14)})
            s.ellipse(drop.x(), drop.y(), 2.5, 3, Cyan, 1);
    } else {
        s.limb({{74, top + 50}, {84, top + 66}, {80, top + 84}, {74, top + 86}}, 9, Grey);
    }
    s.ellipse(68, top + 40, 18, 18, Grey);                                   // head
    s.polygon({{74, top + 52}, {86, top + 54}, {76, top + 56}}, White, 1.5); // tusk
    s.ellipse(56, top + 40, 12, 16, Grey);                                   // ear
    s.ellipse(56, top + 40, 7, 10, Magenta, 0);
    s.eye(74, top + 34, 3, 1);
    s.ellipse(48, top + 12, 4, 4, Red, 1.5);                                 // cap pompom
    s.polygon({{52, top + 26}, {66, top + 22}, {50, top + 14}}, Blue, 1.5);
}

void drawPig(Sketch &s, int phase)
{
    s.shadow(48, 98, 40);
    s.arc(12, 46, 6, 6, 0, 300, Black, 2);                                   // curly tail
    walkingLegs(s, 62, 24, 70, 92, 7, Magenta, phase);
    s.ellipse(44, 60, 32, 22, Magenta);                                      // body
    s.ellipse(76, 52, 17, 16, Magenta);                                      // head
    s.polygon({{66, 40}, {68, 26}, {78, 36}}, Magenta);                      // ears
    s.polygon({{78, 38}, {86, 26}, {88, 40}}, Magenta);
    s.ellipse(92, 56, 5, 8, Purple);                                         // snout
    s.dot(92, 53, 1.5, Black);
    s.dot(92, 59, 1.5, Black);
    s.eye(80, 46, 3, 1);
    smile(s, 80, 60, 5);
    s.ellipse(36, 52, 5, 3, Purple, 0);                                      // spots
    s.ellipse(52, 68, 4, 3, Purple, 0);
}

void drawBee(Sketch &s, int phase)
{
    // a tulip below, the bee hovering above with beating wings
    s.limb({{48, 104}, {48, 82}}, 3, DarkGreen);
    s.polygon({{48, 100}, {36, 88}, {46, 96}}, Green, 1.5);
    s.polygon({{36, 70}, {42, 78}, {48, 70}, {54, 78}, {60, 70}, {58, 86}, {38, 86}}, Red);
    s.line({{22, 54}, {10, 60}, {16, 66}, {6, 74}}, White, 1);               // flight path
    if (phase == 0) {
        s.ellipse(36, 22, 9, 16, Cyan);
        s.ellipse(52, 20, 9, 16, Cyan);
    }
    s.polygon({{20, 48}, {10, 48}, {20, 44}}, Black, 0);                     // sting
    QPainterPath body;
    body.addEllipse(QPointF(44, 48), 26, 16);
    s.path(body, Yellow);
    s.save();
    s.painter().setClipPath(body);
    for (double x : {32.0, 44.0, 56.0})
        s.box(x - 3, 30, 6, 36, Black, 0, 0);
    s.restore();
    s.outline(body);
    if (phase == 1) {
        s.ellipse(32, 34, 16, 7, Cyan);
        s.ellipse(50, 32, 16, 7, Cyan);
    }
    s.ellipse(74, 44, 13, 13, Black, 0);                                     // head
    s.eye(78, 40, 4, 1);
    s.arc(78, 48, 4, 3, 200, 140, Yellow, 2);
    s.line({{72, 32}, {70, 18}, {64, 14}}, Black, 2);                        // feelers
    s.line({{78, 32}, {84, 18}, {90, 16}}, Black, 2);
}

void drawSittingDog(Sketch &s, int phase)
{
    // Sits and wags its tail.
    s.shadow(58, 118, 48);
    s.limb({{30, 92}, phase == 0 ? QPointF(16, 70) : QPointF(6, 92)}, 6, Olive);
    s.ellipse(52, 84, 26, 30, Olive);                                        // body
    s.ellipse(44, 98, 16, 16, Olive);                                        // haunch
    s.ellipse(40, 112, 12, 5, Olive);                                        // hind paw
    s.limb({{70, 84}, {72, 112}}, 8, Olive);                                 // front legs
    s.limb({{62, 86}, {62, 112}}, 8, Olive);
    s.ellipse(58, 86, 10, 16, White, 0);                                     // chest
    s.box(58, 60, 30, 6, Red, 2, 1.5);                                       // collar
    s.ellipse(74, 70, 4, 4, Yellow, 1.5);
    s.ellipse(80, 38, 22, 22, Olive);                                        // head
    s.ellipse(98, 48, 14, 10, White);                                        // muzzle
    s.ellipse(110, 44, 5, 4, Black, 0);                                      // nose
    smile(s, 100, 52, 5);
    s.eye(86, 34, 4.5, 1.5);
    s.ellipse(70, 40, 8, 17, DarkRed);                                       // ear
}

void drawBarkingDog(Sketch &s, int phase)
{
    // A spotted dog barks: mouth shut, then open with sound waves.
    const bool bark = phase == 1;
    s.shadow(56, 120, 50);
    s.limb({{22, 60}, {8, bark ? 38.0 : 46.0}}, 5, White);                   // tail
    walkingLegs(s, 74, 28, 76, 114, 9, White, 1);
    s.ellipse(50, 66, 34, 20, White);                                        // body
    s.ellipse(40, 60, 9, 7, Black, 0);                                       // spots
    s.ellipse(62, 74, 6, 5, Black, 0);
    s.ellipse(28, 72, 5, 4, Black, 0);
    s.save();
    s.turn({84, 50}, bark ? -12 : 0);
    s.ellipse(86, 40, 18, 18, White);                                        // head
    if (bark) {
        s.polygon({{94, 42}, {114, 42}, {112, 58}, {94, 50}}, Red);          // open mouth
        s.box(92, 30, 24, 12, White, 6);                                     // upper jaw
        s.polygon({{94, 50}, {112, 56}, {110, 62}, {94, 56}}, White);        // lower jaw
        s.ellipse(104, 54, 4, 2, Magenta, 0);                                // tongue
    } else {
        s.box(92, 38, 24, 14, White, 6);                                     // muzzle
        s.line({{98, 50}, {112, 50}}, Black, 2);
    }
    s.ellipse(114, 38, 4, 4, Black, 0);                                      // nose
    s.eye(90, 32, 4, 1.5);
    s.ellipse(76, 38, 7, 14, Black, 0);                                      // ear
    s.restore();
    if (bark) {
        s.arc(104, 20, 8, 8, -30, 90, Blue, 2);
        s.arc(104, 20, 14, 14, -30, 90, Blue, 2);
    }
}

void drawRunningDog(Sketch &s, int phase)
{
    // A long little dog runs: legs stretched, then gathered; ears fly.
    const bool stretched = phase == 0;
    const double lift = stretched ? 0 : 4;
    s.shadow(60, 120, 50);
    s.limb({{18, 70 - lift}, {4, stretched ? 60.0 : 74.0}}, 4, DarkRed);    // tail
    if (stretched) {
        s.limb({{24, 80}, {10, 104}}, 7, DarkRed);
        s.limb({{90, 80}, {108, 102}}, 7, DarkRed);
    } else {
        s.limb({{30, 80 - lift}, {44, 102}}, 7, DarkRed);
        s.limb({{84, 80 - lift}, {70, 102}}, 7, DarkRed);
    }
    s.box(14, 60 - lift, 86, 26, DarkRed, 13);                               // body
    s.ellipse(60, 80 - lift, 28, 5, Olive, 0);                              // belly
    s.limb({{96, 64 - lift}, {100, 52 - lift}}, 12, DarkRed);                // neck
    s.ellipse(100, 44 - lift, 15, 14, DarkRed);                              // head
    s.box(104, 44 - lift, 14, 10, DarkRed, 5);                               // muzzle
    s.ellipse(116, 46 - lift, 3.5, 3.5, Black, 0);
    s.eye(104, 38 - lift, 4, 1.5);
    if (stretched)
    {
        s.save();                                                            // ear flying back
        s.turn({90, 38}, 70);
        s.ellipse(90, 50, 6, 13, Black, 0);
        s.restore();
    }
    else
        s.ellipse(90, 50 - lift, 6, 13, Black, 0);                           // ear hanging
    s.limb({{112, 56 - lift}, {114, 64 - lift}}, 3, Red);                    // tongue
}

void drawTomato(Sketch &s, int phase)
{
    // A happy tomato bounces: squashed on the ground, then round and tall.
    const bool squashed = phase == 0;
    const double rx = squashed ? 46 : 38, ry = squashed ? 26 : 31;
    const double cy = 69 - ry;
    s.shadow(51, 71, 44);
    s.ellipse(51, cy, rx, ry, Red);
    s.ellipse(51 - rx * 0.5, cy - ry * 0.4, 6, 4, White, 0);                 // shine
    s.polygon(starPoints({51, cy - ry + 2}, 5, 12, 4), Green, 1.5);          // leaves
    s.limb({{51, cy - ry - 2}, {54, cy - ry - 10}}, 3, DarkGreen);
    if (squashed) {
        s.eye(40, cy - 2, 5, 1);
        s.eye(62, cy - 2, 5, 1);
    } else {
        s.arc(40, cy, 5, 4, 0, 180, Black, 2);
        s.arc(62, cy, 5, 4, 0, 180, Black, 2);
    }
    s.arc(51, cy + 6, 10, 7, 200, 140, Black, 2);
    s.ellipse(32, cy + 8, 4, 2, Magenta, 0);
    s.ellipse(70, cy + 8, 4, 2, Magenta, 0);
}

void drawChicken(Sketch &s, int phase)
{
    // Looks up, then pecks a grain.
    const bool pecking = phase == 1;
    s.shadow(62, 92, 44);
    s.dot(112, 88, 2, Olive);                                                // grains
    s.dot(104, 90, 2, Olive);
    s.dot(120, 86, 2, Olive);
    s.limb({{52, 74}, {50, 88}}, 2, Yellow);                                 // legs
    s.limb({{66, 74}, {68, 88}}, 2, Yellow);
    s.line({{44, 89}, {56, 89}}, Black, 3);
    s.line({{62, 89}, {74, 89}}, Black, 3);
    s.polygon({{30, 50}, {10, 24}, {20, 44}, {6, 40}, {22, 56}}, White);     // tail feathers
    const QPointF head = pecking ? QPointF(100, 66) : QPointF(92, 22);
    s.polygon({{70, 40}, {head.x() - 6, head.y() - 6}, {head.x() + 4, head.y() + 6}, {88, 56}}, White, 2);
    s.ellipse(56, 56, 32, 22, White);                                        // body
    s.polygon({{head.x() - 6, head.y() - 6}, {head.x() + 4, head.y() + 6}, {80, 54}, {72, 42}}, White, 0);
    QPainterPath wing;                                                       // wing
    wing.moveTo(36, 50);
    wing.quadTo(60, 38, 74, 56);
    wing.quadTo(56, 72, 36, 50);
    s.path(wing, White);
    s.line({{50, 54}, {62, 58}}, Black, 1);
    s.ellipse(head.x(), head.y(), 12, 11, White);
    s.polygon(starPoints({head.x() - 1, head.y() - 12}, 3, 7, 3), Red, 1.5); // comb
    const double beak = pecking ? 6 : 0;
    s.polygon({{head.x() + 10, head.y() - 4 + beak * 0.3}, {head.x() + 22, head.y() + beak},
               {head.x() + 10, head.y() + 4 + beak * 0.3}}, Yellow, 1.5);
    s.ellipse(head.x() + 8, head.y() + 10, 3, 4, Red, 1);                    // wattle
    s.eye(head.x() + 3, head.y() - 2, 3, 1);
}

void drawPanda(Sketch &s, int phase)
{
    // Waves one paw.
    s.shadow(26, 82, 22);
    s.limb({{18, 64}, {16, 76}}, 8, Black);                                  // legs
    s.limb({{34, 64}, {36, 76}}, 8, Black);
    s.ellipse(26, 56, 17, 18, White);                                        // body
    s.limb({{14, 48}, {8, 62}}, 6, Black);                                   // resting arm
    s.limb({{38, 46}, phase == 0 ? QPointF(46, 28) : QPointF(44, 60)}, 6, Black);
    s.ellipse(12, 12, 6, 6, Black);                                          // ears
    s.ellipse(40, 12, 6, 6, Black);
    s.ellipse(26, 26, 17, 15, White);                                        // head
    s.ellipse(19, 24, 5, 6, Black, 0);
    s.ellipse(33, 24, 5, 6, Black, 0);
    s.dot(20, 23, 2, White);
    s.dot(32, 23, 2, White);
    s.ellipse(26, 31, 3, 2, Black, 0);
    smile(s, 26, 33, 4);
}

void drawPenguin(Sketch &s, int phase)
{
    // Flaps its flippers and waddles.
    const bool up = phase == 0;
    s.shadow(38, 86, 28);
    s.save();
    s.turn({38, 82}, up ? -5 : 5);
    s.ellipse(28, 80, 9, 4, Yellow);                                         // feet
    s.ellipse(48, 80, 9, 4, Yellow);
    s.limb({{18, 40}, up ? QPointF(4, 26) : QPointF(8, 62)}, 7, Black);      // flippers
    s.limb({{58, 40}, up ? QPointF(72, 26) : QPointF(68, 62)}, 7, Black);
    s.ellipse(38, 48, 24, 32, Navy);                                         // body
    s.ellipse(38, 54, 16, 24, White, 0);                                     // belly
    s.ellipse(30, 22, 5, 6, White, 0);                                       // face
    s.ellipse(46, 22, 5, 6, White, 0);
    s.eye(31, 22, 3, 1);
    s.eye(45, 22, 3, -1);
    s.polygon({{32, 30}, {44, 30}, {38, 38}}, Yellow, 1.5);                  // beak
    s.ellipse(26, 34, 3, 2, Magenta, 0);
    s.ellipse(50, 34, 3, 2, Magenta, 0);
    s.restore();
}
