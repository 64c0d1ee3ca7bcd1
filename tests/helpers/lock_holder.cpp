// Holds an exclusive lock on the file given as argument (made, open to all, when it is
// missing), as another process in a child's folder may, says "locked" on one line and
// keeps the lock until it is killed.

#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const bool made = ::access(argv[1], F_OK) != 0;
    const int fd = ::open(argv[1], O_RDONLY | O_CREAT, 0666);
    if (fd < 0 || ::flock(fd, LOCK_EX) != 0) {
        std::perror("lock_holder");
        return 2;
    }
    if (made)
        ::fchmod(fd, 0666);
    std::puts("locked");
    std::fflush(stdout);
    for (;;)
        pause();
}
