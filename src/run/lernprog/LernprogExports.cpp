#include "bm_exports.h"

#include "run/lernprog/Lernprog.h"

#include <QImage>
#include <QString>

extern "C" void GetThePicture(QImage *rewardFrameA, QImage *rewardFrameB,
                              int32_t *rewardStepX, int32_t *rewardStepY, int32_t *rewardDelay)
{
    // A sibling program's draw; bm itself draws through PickRewardAnimation with its own
    // shared generator.
    static Random random;
    random.seedFromClock();
    const RewardAnimation &animation = PickRewardAnimation(random);
    *rewardDelay = animation.delay;
    *rewardStepX = animation.stepX;
    *rewardStepY = animation.stepY;
    // The caller's images are reloaded in place; they stay the caller's.
    rewardFrameA->load(RewardFrameResource(animation.frameA));
    rewardFrameB->load(RewardFrameResource(animation.frameB));
}

extern "C" uint32_t start()
{
    return TickCount();
}

extern "C" uint32_t stop(uint32_t t)
{
    return TicksBetween(t, TickCount());
}

extern "C" const char *GetAnimInfo()
{
    return AnimationCredits();
}
