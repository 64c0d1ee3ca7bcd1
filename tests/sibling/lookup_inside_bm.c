/* Loaded into bm before its start (LD_PRELOAD): looks the four functions up by name as a
   plug-in inside the running program would, and ends the program at once with 0 when it
   finds all four. */
#include <dlfcn.h>
#include <stdio.h>
#include <unistd.h>

__attribute__((constructor)) static void lookUpInsideBm(void)
{
    const char *const names[] = {"GetThePicture", "start", "stop", "GetAnimInfo"};
    int found = 0;
    for (int i = 0; i < 4; ++i) {
        if (dlsym(RTLD_DEFAULT, names[i]) != NULL)
            ++found;
        else
            fprintf(stderr, "FAIL: %s not found inside bm\n", names[i]);
    }
    _exit(found == 4 ? 0 : 1);
}
