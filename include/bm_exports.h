#pragma once
/* Functions of bm's library libbrimbelo-lernprog that other programs of its family call
   by name (pkg-config --cflags --libs brimbelo-lernprog). Usable from C and C++; only
   GetThePicture needs a C++ caller, since it fills Qt images. */

#include <stdint.h>

#if defined(BM_BUILDING_EXPORTS)
#define BM_EXPORT __attribute__((visibility("default")))
#else
#define BM_EXPORT
#endif

#ifdef __cplusplus
class QImage;
extern "C" {
#else
typedef struct QImage QImage;
#endif

/* Loads a randomly chosen two-frame reward animation into the caller's images and tells
   how far it moves per step (right, up) and how much slower than the base interval it runs. */
BM_EXPORT void GetThePicture(QImage *rewardFrameA, QImage *rewardFrameB,
                             int32_t *rewardStepX, int32_t *rewardStepY, int32_t *rewardDelay);
/* A millisecond tick counter that wraps around at 32 bits. */
BM_EXPORT uint32_t start(void);
/* Milliseconds since t, a value of start(); correct across a wrap of the counter. */
BM_EXPORT uint32_t stop(uint32_t t);
/* The animation credits: Windows-1252, lines separated by a carriage return alone. */
BM_EXPORT const char *GetAnimInfo(void);

#ifdef __cplusplus
}
#endif
