#pragma once
// Functions of the program `bm` that other programs of its family call by name.

#include <cstdint>

class QImage;

#if defined(BM_BUILDING_EXPORTS)
#define BM_EXPORT __attribute__((visibility("default")))
#else
#define BM_EXPORT
#endif

// Loads a randomly chosen two-frame reward animation into the caller's images and tells
// how far it moves per step (right, up) and how much slower than the base interval it runs.
extern "C" BM_EXPORT void GetThePicture(QImage *rewardFrameA, QImage *rewardFrameB,
                                        int32_t *rewardStepX, int32_t *rewardStepY, int32_t *rewardDelay);
// A millisecond tick counter that wraps around at 32 bits.
extern "C" BM_EXPORT uint32_t start();
// Milliseconds since t, a value of start(); correct across a wrap of the counter.
extern "C" BM_EXPORT uint32_t stop(uint32_t t);
// The animation credits: Windows-1252, lines separated by a carriage return alone.
extern "C" BM_EXPORT const char *GetAnimInfo();
