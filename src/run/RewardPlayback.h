#pragma once
// The reward animation after a right answer: an animation drawn from the catalogue, its
// two frames drawn in turn along the animation's diagonal, one step per tick, sixteen
// steps in all. The timer that ticks and the surface's place on screen are the window's.

#include <QColor>
#include <QImage>

class RewardPlayback
{
public:
    static constexpr qint32 Steps = 16;

    // Draws the next animation; the caller's timer then ticks at the returned interval
    // in milliseconds.
    int begin();
    // Draws `step` onto surface and counts it. After the last step the surface is cleared
    // to background and false is returned: the animation is over.
    bool drawStep(QImage &surface, qint32 &step, const QColor &background) const;

private:
    QImage rewardFrameA;
    QImage rewardFrameB;
    qint32 rewardStepX = 0;   // pixels to the right per step
    qint32 rewardStepY = 0;   // pixels upwards per step
    qint32 rewardDelay = 0;   // milliseconds added to the base step interval
};
