/* A sibling program of bm, written in plain C and built without any of the project's
   libraries: it loads libbrimbelo-lernprog from the path in BRIMBELO_LERNPROG_LIBRARY at
   run time, looks the four functions up by name and version and calls them. The reward
   pictures go into Qt images, which only C++ can make: the small module named by
   BRIMBELO_PICTURE_CALLER makes them and reports the frames' sizes. */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

typedef uint32_t (*StartFunction)(void);
typedef uint32_t (*StopFunction)(uint32_t);
typedef const char *(*GetAnimInfoFunction)(void);
typedef void (*CallerFunction)(void *getThePicture, int32_t frames[4], int32_t moves[3]);

static int failures = 0;

#define CHECK(condition, ...)                          \
    do {                                               \
        if (!(condition)) {                            \
            fprintf(stderr, "FAIL: " __VA_ARGS__);     \
            fputc('\n', stderr);                       \
            ++failures;                                \
        }                                              \
    } while (0)

/* Every frame size of the reward catalogue (width, height). */
static const int FrameSizes[][2] = {
    {100, 108}, {100, 100}, {100, 105}, {80, 105}, {92, 106}, {92, 102}, {95, 105}, {120, 119},
    {120, 120}, {102, 71},  {126, 93},  {80, 106}, {114, 87}, {54, 150}, {110, 90}, {125, 80},
    {128, 72},  {123, 77},  {101, 68},  {60, 100}, {52, 82},  {76, 86},
};

static int isCatalogueSize(int width, int height)
{
    for (size_t i = 0; i < sizeof FrameSizes / sizeof FrameSizes[0]; ++i)
        if (FrameSizes[i][0] == width && FrameSizes[i][1] == height)
            return 1;
    return 0;
}

static void *openNamedBy(const char *variable)
{
    const char *path = getenv(variable);
    if (path == NULL || *path == '\0') {
        fprintf(stderr, "FAIL: %s is not set\n", variable);
        exit(2);
    }
    void *handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (handle == NULL) {
        fprintf(stderr, "FAIL: cannot load %s: %s\n", path, dlerror());
        exit(1);
    }
    return handle;
}

static void *lookUp(void *library, const char *name)
{
    void *function = dlvsym(library, name, "BRIMBELO_LERNPROG_1");
    CHECK(function != NULL, "%s not found in version BRIMBELO_LERNPROG_1", name);
    return function;
}

static void checkCredits(GetAnimInfoFunction getAnimInfo)
{
    const char *credits = getAnimInfo();
    CHECK(credits != NULL, "GetAnimInfo gives no text");
    if (credits == NULL)
        return;
    int carriageReturns = 0, lineFeeds = 0;
    for (const char *c = credits; *c != '\0'; ++c) {
        carriageReturns += *c == '\r';
        lineFeeds += *c == '\n';
    }
    const size_t length = strlen(credits);
    CHECK(length == 900, "credits are %zu characters long", length);
    CHECK(carriageReturns == 22 && lineFeeds == 0, "credits have %d CR and %d LF", carriageReturns, lineFeeds);
    CHECK(length > 0 && credits[length - 1] != '\r', "credits end with a line break");
    CHECK(getAnimInfo() == credits, "GetAnimInfo gives a new text every time");
}

static void checkStopwatch(StartFunction start, StopFunction stop)
{
    const uint32_t atOnce = stop(start());
    CHECK(atOnce < 50, "stop(start()) gives %u ms", (unsigned)atOnce);
    const struct timespec pause = {0, 150000000L};
    const uint32_t begun = start();
    nanosleep(&pause, NULL);
    const uint32_t elapsed = stop(begun);
    CHECK(elapsed >= 145 && elapsed < 5000, "a pause of 150 ms measured as %u ms", (unsigned)elapsed);
}

static void checkPictures(void *getThePicture)
{
    void *callerModule = openNamedBy("BRIMBELO_PICTURE_CALLER");
    const CallerFunction callGetThePicture = (CallerFunction)dlsym(callerModule, "CallGetThePicture");
    CHECK(callGetThePicture != NULL, "the picture caller has no CallGetThePicture");
    if (callGetThePicture == NULL)
        return;
    for (int call = 0; call < 30; ++call) {
        int32_t frames[4] = {0, 0, 0, 0};
        int32_t moves[3] = {-999, -999, -999};
        callGetThePicture(getThePicture, frames, moves);
        CHECK(isCatalogueSize(frames[0], frames[1]) && isCatalogueSize(frames[2], frames[3]),
              "frames of %dx%d and %dx%d", frames[0], frames[1], frames[2], frames[3]);
        CHECK(moves[0] >= 0 && moves[0] <= 3 && moves[1] >= -1 && moves[1] <= 3 && moves[2] >= 0 && moves[2] <= 350,
              "moves %d, %d and delay %d", moves[0], moves[1], moves[2]);
    }
}

int main(void)
{
    void *library = openNamedBy("BRIMBELO_LERNPROG_LIBRARY");
    const StartFunction start = (StartFunction)lookUp(library, "start");
    const StopFunction stop = (StopFunction)lookUp(library, "stop");
    const GetAnimInfoFunction getAnimInfo = (GetAnimInfoFunction)lookUp(library, "GetAnimInfo");
    void *getThePicture = lookUp(library, "GetThePicture");
    if (getAnimInfo != NULL)
        checkCredits(getAnimInfo);
    if (start != NULL && stop != NULL)
        checkStopwatch(start, stop);
    if (getThePicture != NULL)
        checkPictures(getThePicture);
    printf("%s\n", failures == 0 ? "the four functions work from a C program" : "failed");
    return failures == 0 ? 0 : 1;
}
