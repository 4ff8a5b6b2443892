// Starts a program on an X display and measures, from the moment of starting it: the time until
// its window shows its first painted frame (the pale cyan client area), its context switches
// while left idle afterwards, and its peak resident memory.
//
//   startup_probe IDLE_SECONDS PROGRAM [ARGS...]
//
// Prints one line: startup_ms=... idle_switches=... peak_rss_kb=...
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr unsigned long kClientColour = 0xC0FFFF; // the background both windows paint first

long PidOf(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return -1;
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

// True once a viewable top-level window of pid shows the client colour near its bottom-left
// corner, which lies in the client area of both programs, clear of the menu bar and building.
bool FirstFramePainted(Display* display, pid_t pid) {
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return false;
    bool painted = false;
    for (unsigned int i = 0; i < count && !painted; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable ||
            a.width < 100 || a.height < 100 || PidOf(display, children[i]) != pid)
            continue;
        XImage* image = XGetImage(display, children[i], 4, a.height - 4, 1, 1, AllPlanes, ZPixmap);
        if (image) {
            painted = (XGetPixel(image, 0, 0) & 0xFFFFFF) == kClientColour;
            XDestroyImage(image);
        }
    }
    if (children)
        XFree(children);
    return painted;
}

// Voluntary and involuntary context switches of every thread of pid.
long ContextSwitches(pid_t pid) {
    long total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream status(tasks + "/" + entry->d_name + "/status");
        std::string key;
        long value;
        while (status >> key) {
            if (key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") {
                status >> value;
                total += value;
            }
        }
    }
    closedir(dir);
    return total;
}

int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
} // windows come and go while we look

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s IDLE_SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const double idleSeconds = std::atof(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXErrors);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    const auto deadline = start + std::chrono::seconds(20);
    bool shown = false;
    while (!shown && Clock::now() < deadline) {
        shown = FirstFramePainted(display, pid);
        if (!shown)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    const double startupMs =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    // Let the start-up settle, then watch the program do nothing.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long before = ContextSwitches(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const long after = ContextSwitches(pid);

    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    XCloseDisplay(display);
    if (!shown) {
        std::fprintf(stderr, "%s showed no painted window within 20 s\n", argv[2]);
        return 1;
    }
    std::printf("startup_ms=%.1f idle_switches=%ld peak_rss_kb=%ld\n", startupMs, after - before,
                usage.ru_maxrss);
    return 0;
}
