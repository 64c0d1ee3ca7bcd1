#include "run/RewardPlayback.h"

#include "run/lernprog/Lernprog.h"

#include <QPainter>

namespace {

constexpr int BaseInterval = 125;

} // namespace

int RewardPlayback::begin()
{
    sharedRandom().seedFromClock();
    const RewardAnimation &animation = PickRewardAnimation(sharedRandom());
    m_stepX = animation.stepX;
    m_stepY = animation.stepY;
    m_frameA.load(RewardFrameResource(animation.frameA));
    m_frameB.load(RewardFrameResource(animation.frameB));
    return animation.delay + BaseInterval;
}

bool RewardPlayback::drawStep(QImage &surface, qint32 &step, const QColor &background) const
{
    const QImage &frame = step % 2 == 1 ? m_frameA : m_frameB;
    if (!frame.isNull()) {
        QPainter painter(&surface);
        painter.drawImage(50 + step * m_stepX, surface.height() - 150 - step * m_stepY, frame);
    }
    ++step;
    if (step < Steps)
        return true;
    surface.fill(background);
    return false;
}
