// Takes the single-instance guard for its own executable file in the lock folder given as
// argument, says what happened on one line, and keeps the guard until it is killed. A
// second argument is how many milliseconds it waits for a holder to end.

#include "shell/ExecutablePath.h"
#include "shell/NichtDoppelt.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const std::chrono::milliseconds patience(argc > 2 ? std::atoi(argv[2]) : 0);
    SingleInstanceGuard guard(ExecutableFilePath(argv[0]), QString::fromLocal8Bit(argv[1]), patience);
    switch (guard.outcome()) {
    case SingleInstanceGuard::Outcome::Acquired:
        std::puts("acquired");
        break;
    case SingleInstanceGuard::Outcome::AlreadyRunning:
        std::puts("running");
        return 1;
    case SingleInstanceGuard::Outcome::Unavailable:
        std::puts("unavailable");
        break;
    }
    std::fflush(stdout);
    for (;;)
        pause();
}
