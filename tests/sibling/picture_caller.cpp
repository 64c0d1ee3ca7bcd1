// The C++ side of the sibling program: GetThePicture fills Qt images, which a C program
// cannot make. Reports the sizes of both frames, and the moves and delay, as plain numbers.

#include <QImage>
#include <cstdint>

using GetThePictureFunction = void (*)(QImage *, QImage *, int32_t *, int32_t *, int32_t *);

extern "C" __attribute__((visibility("default"))) void CallGetThePicture(void *getThePicture, int32_t frames[4],
                                                                           int32_t moves[3])
{
    QImage frameA;
    QImage frameB;
    reinterpret_cast<GetThePictureFunction>(getThePicture)(&frameA, &frameB, &moves[0], &moves[1], &moves[2]);
    frames[0] = frameA.width();
    frames[1] = frameA.height();
    frames[2] = frameB.width();
    frames[3] = frameB.height();
}
