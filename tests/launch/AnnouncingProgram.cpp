#include "launch/AnnouncingProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace keldra::launch::testing {

namespace {

constexpr int kReadyTimeoutMs = 10000;
constexpr int kEndTimeoutMs = 10000;

std::string FirstLine(int fd) {
    std::string line;
    char c = 0;
    while (line.find('\n') == std::string::npos) {
        pollfd wait{fd, POLLIN, 0};
        if (poll(&wait, 1, kReadyTimeoutMs) <= 0) return {};
        if (read(fd, &c, 1) != 1) return {};
        line.push_back(c);
    }
    line.pop_back();
    return line;
}

}  // namespace

AnnouncingProgram::AnnouncingProgram(const std::vector<std::string>& command) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return;
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        // A test killed by its watchdog leaves no daemon behind holding its output open.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(ends[1], STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(ends[1]);
    output_ = ends[0];
    if (pid_ > 0) announcement_ = FirstLine(output_);
}

AnnouncingProgram::~AnnouncingProgram() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (output_ >= 0) close(output_);
}

bool AnnouncingProgram::WaitForExit() {
    for (int tries = 0; pid_ > 0 && tries < kEndTimeoutMs / 10; ++tries) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return true;
        }
        usleep(10 * 1000);
    }
    return false;
}

}  // namespace keldra::launch::testing
