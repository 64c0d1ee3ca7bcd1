#pragma once
// The 29 reward figures. Each draws one frame on a canvas of its picture's size; phase 0
// is the first frame, phase 1 the second, two moments of one motion.

#include "Sketch.h"

using Figure = void (*)(Sketch &sketch, int phase);

void drawPlane(Sketch &s, int phase);
void drawCar(Sketch &s, int phase);
void drawLamp(Sketch &s, int phase);
void drawShuttle(Sketch &s, int phase);
void drawBoot(Sketch &s, int phase);
void drawStone(Sketch &s, int phase);
void drawBike(Sketch &s, int phase);
void drawRocket(Sketch &s, int phase);
void drawEgg(Sketch &s, int phase);
void drawJackInTheBox(Sketch &s, int phase);

void drawDancer(Sketch &s, int phase);
void drawVictoryHand(Sketch &s, int phase);
void drawThumbUp(Sketch &s, int phase);
void drawJogger(Sketch &s, int phase);

void drawElephant(Sketch &s, int phase);
void drawPig(Sketch &s, int phase);
void drawBee(Sketch &s, int phase);
void drawSittingDog(Sketch &s, int phase);
void drawBarkingDog(Sketch &s, int phase);
void drawRunningDog(Sketch &s, int phase);
void drawTomato(Sketch &s, int phase);
void drawChicken(Sketch &s, int phase);
void drawPanda(Sketch &s, int phase);
void drawPenguin(Sketch &s, int phase);

void drawSittingHare(Sketch &s, int phase);
void drawHoppingHare(Sketch &s, int phase);
void drawRunningHare(Sketch &s, int phase);
void drawCarrotHare(Sketch &s, int phase);
void drawLopHare(Sketch &s, int phase);
