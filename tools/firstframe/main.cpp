// Starts a program on the current X display and tells how long it took until its window
// was mapped and until that window first showed more than one colour. The program is left
// running; its process id is printed so a script can look at it and end it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::optional<pid_t> WindowPid(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", True);
    if (property == None) return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) != Success ||
        data == nullptr) {
        return std::nullopt;
    }
    pid_t pid = 0;
    if (items == 1 && format == 32) pid = static_cast<pid_t>(*reinterpret_cast<long*>(data));
    XFree(data);
    if (pid == 0) return std::nullopt;
    return pid;
}

// A window still showing only its background has one colour; a painted frame has more.
bool HasContent(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool content = false;
    for (int y = 0; y < image->height && !content; y += 2) {
        for (int x = 0; x < image->width; x += 2) {
            if (XGetPixel(image, x, y) != first) {
                content = true;
                break;
            }
        }
    }
    XDestroyImage(image);
    return content;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: korvel-firstframe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "korvel-firstframe: no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // Its output must not hold the pipe of a script that reads this program's line.
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        close(nowhere);
        execvp(argv[1], argv + 1);
        std::perror("korvel-firstframe: exec");
        _exit(127);
    }

    Window window = None;
    double mapped = -1;
    const double timeout = 10000;
    while (MillisecondsSince(start) < timeout) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || window != None) continue;
            const std::optional<pid_t> owner = WindowPid(display, event.xmap.window);
            if (owner && *owner != child) continue;
            window = event.xmap.window;
            mapped = MillisecondsSince(start);
        }
        if (window != None && HasContent(display, window)) {
            std::printf("pid %d window 0x%lx mapped %.1f ms content %.1f ms\n", child, window,
                        mapped, MillisecondsSince(start));
            XCloseDisplay(display);
            return 0;
        }
        pollfd wait{ConnectionNumber(display), POLLIN, 0};
        poll(&wait, 1, window == None ? 5 : 1);
    }
    std::fprintf(stderr, "korvel-firstframe: no frame with content within %.0f ms\n", timeout);
    kill(child, SIGTERM);
    XCloseDisplay(display);
    return 1;
}
