#include "MappedWindowTimer.h"

#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace keldra::bench {

namespace {

using Clock = std::chrono::steady_clock;

pid_t StartProgram(const std::string& display, const ProgramStart& start) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (chdir(start.folder.c_str()) != 0) _exit(126);
    setenv("DISPLAY", display.c_str(), 1);
    std::vector<char*> argv;
    for (const std::string& arg : start.command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

bool BigEnough(Display* display, Window window, int minimumWidth, int minimumHeight) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    return attributes.width >= minimumWidth && attributes.height >= minimumHeight;
}

// Waits for the next event for as long as the deadline allows.
bool NextEvent(Display* display, XEvent& event, Clock::time_point deadline) {
    while (XPending(display) == 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd server{ConnectionNumber(display), POLLIN, 0};
        poll(&server, 1, static_cast<int>(left.count()));
    }
    XNextEvent(display, &event);
    return true;
}

}  // namespace

MappedWindow StartUntilMapped(const std::string& displayName, const ProgramStart& start,
                              int minimumWidth, int minimumHeight) {
    MappedWindow result{-1, -1};
    Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr) return result;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);
    const auto started = Clock::now();
    result.pid = StartProgram(displayName, start);
    const auto deadline = started + std::chrono::seconds(30);
    XEvent event;
    while (result.milliseconds < 0 && NextEvent(display, event, deadline)) {
        if (event.type != MapNotify) continue;
        const auto mapped = Clock::now();
        if (!BigEnough(display, event.xmap.window, minimumWidth, minimumHeight)) continue;
        result.milliseconds = std::chrono::duration<double, std::milli>(mapped - started).count();
    }
    XCloseDisplay(display);
    return result;
}

void EndProgram(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

double MillisecondsToMappedWindow(const std::string& display, const ProgramStart& start,
                                  int minimumWidth, int minimumHeight) {
    const MappedWindow window = StartUntilMapped(display, start, minimumWidth, minimumHeight);
    EndProgram(window.pid);
    return window.milliseconds;
}

}  // namespace keldra::bench
