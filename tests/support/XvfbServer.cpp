#include "support/XvfbServer.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace keldra::testing {

namespace {

// Display numbers far from the usual ones, spread by process id so that parallel tests
// rarely try the same one; a taken number is skipped by its lock file.
int FreeDisplayNumber() {
    const int start = 100 + static_cast<int>(getpid() % 400);
    for (int n = start; n < start + 200; ++n) {
        if (!std::filesystem::exists("/tmp/.X" + std::to_string(n) + "-lock") &&
            !std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n))) {
            return n;
        }
    }
    return -1;
}

bool Answers(const std::string& display) {
    ::Display* connection = XOpenDisplay(display.c_str());
    if (connection == nullptr) return false;
    XCloseDisplay(connection);
    return true;
}

}  // namespace

XvfbServer::XvfbServer(int width, int height) {
    const int number = FreeDisplayNumber();
    if (number < 0) {
        problem_ = "no free X display number";
        return;
    }
    display_ = ":" + std::to_string(number);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execlp("Xvfb", "Xvfb", display_.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) {
        problem_ = "cannot fork Xvfb";
        return;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (Answers(display_)) {
            pid_ = pid;
            return;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            problem_ = "Xvfb did not start (is the xvfb package installed?)";
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    problem_ = "Xvfb did not answer within 5 seconds";
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

}  // namespace keldra::testing
