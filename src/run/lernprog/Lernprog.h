#pragma once
// The catalogue of reward animations shown after a right answer, the millisecond
// stopwatch for thinking times, and the credits of the animations. Loading the pictures
// is left to the caller (they are resources of the library libbrimbelo-lernprog).

#include "run/lernprog/LernprogApi.h"
#include "core/Random.h"

#include <QSize>
#include <QString>
#include <QtGlobal>
#include <span>

struct RewardAnimation
{
    const char *frameA;   // resource names of the two pictures
    const char *frameB;
    qint32 stepX;         // pixels to the right per step
    qint32 stepY;         // pixels upwards per step
    qint32 delay;         // milliseconds added to the base step interval
    QSize sizeA;
    QSize sizeB;
};

// The resource path of one of an animation's pictures (frameA, frameB).
inline QString RewardFrameResource(const char *frame)
{
    return QStringLiteral(":/animations/%1.bmp").arg(QLatin1String(frame));
}

// All 29 animations: the 25 rows of the draw, with the five hares of row 20 in place.
LERNPROG_API std::span<const RewardAnimation> RewardAnimations();

// One draw of a right answer: 25 rows with equal chance, and among the hares a second
// draw; so each hare is five times rarer than any other animation.
LERNPROG_API const RewardAnimation &PickRewardAnimation(Random &random);

// The millisecond tick counter: monotonic, wrapping at 32 bits.
LERNPROG_API quint32 TickCount();
// Milliseconds from tick `since` to tick `now`, in wrap-around arithmetic.
inline quint32 TicksBetween(quint32 since, quint32 now) { return now - since; }

// The credits, Windows-1252, 23 lines separated by a carriage return alone.
LERNPROG_API const char *AnimationCredits();
