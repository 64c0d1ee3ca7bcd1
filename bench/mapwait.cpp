// Starts a program and measures the time until its first top-level window is mapped on
// the X display, by listening for the map event (no polling). Then it ends the program
// that owns the window with SIGTERM and prints the milliseconds.
//
//   mapwait PROGRAM [ARGS...]

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The process id a window's owner announced in _NET_WM_PID, or 0.
pid_t windowPid(Display *display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return 0;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                           &after, &data) == Success && data != nullptr) {
        if (items == 1 && format == 32)
            pid = pid_t(*reinterpret_cast<unsigned long *>(data));
        XFree(data);
    }
    return pid;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwait PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "mapwait: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto begin = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.override_redirect)
            continue;
        const auto mapped = std::chrono::steady_clock::now();
        const double ms = std::chrono::duration<double, std::milli>(mapped - begin).count();
        std::printf("%.1f\n", ms);
        std::fflush(stdout);
        const pid_t owner = windowPid(display, event.xmap.window);
        kill(owner > 0 ? owner : child, SIGTERM);
        break;
    }
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    return 0;
}
