#include "run/RewardPlayback.h"

#include "run/lernprog/Lernprog.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int BaseInterval = 125;

} // namespace

int RewardPlayback::begin()
{
    sharedRandom().seedFromClock();
    const RewardAnimation &animation = PickRewardAnimation(sharedRandom());
    rewardStepX = animation.stepX;
    rewardStepY = animation.stepY;
    rewardDelay = animation.delay;
    rewardFrameA.load(RewardFrameResource(animation.frameA));
    rewardFrameB.load(RewardFrameResource(animation.frameB));
    return rewardDelay + BaseInterval;
}

bool RewardPlayback::drawStep(QImage &surface, qint32 &step, const QColor &background) const
{
    const QImage &frame = step % 2 == 1 ? rewardFrameA : rewardFrameB;
    if (!frame.isNull()) {
        QPainter painter(&surface);
        // The frames' pixels double cleanly at whole ratios; between them smoothing looks best.
        const qreal ratio = surface.devicePixelRatio();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
        const int height = int(std::lround(surface.height() / ratio));
        painter.drawImage(50 + step * rewardStepX, height - 150 - step * rewardStepY, frame);
    }
    ++step;
    if (step < Steps)
        return true;
    surface.fill(background);
    return false;
}
