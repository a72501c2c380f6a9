#include "support/ChildProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

namespace keldra::testing {

ChildProgram::ChildProgram(const std::string& program, const std::vector<std::string>& args,
                           const std::filesystem::path& folder,
                           const std::vector<std::string>& environment,
                           const std::filesystem::path& errorFile) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ != 0) return;
    if (chdir(folder.c_str()) != 0) _exit(126);
    for (const std::string& setting : environment) {
        const auto equals = setting.find('=');
        if (equals == std::string::npos) {
            unsetenv(setting.c_str());
        } else {
            setenv(setting.substr(0, equals).c_str(), setting.substr(equals + 1).c_str(), 1);
        }
    }
    const int null = open("/dev/null", O_WRONLY);
    const int err = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(null, 1);
    dup2(err >= 0 ? err : null, 2);
    execv(program.c_str(), argv.data());
    _exit(127);
}

ChildProgram::~ChildProgram() {
    if (pid_ <= 0 || status_) return;
    kill(pid_, SIGTERM);
    if (!WaitForExit(std::chrono::seconds(2))) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void ChildProgram::Terminate() const {
    if (pid_ > 0) kill(pid_, SIGTERM);
}

std::optional<int> ChildProgram::WaitForExit(std::chrono::milliseconds time) {
    if (status_ || pid_ <= 0) return status_;
    const auto end = std::chrono::steady_clock::now() + time;
    do {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return status_;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < end);
    return std::nullopt;
}

}  // namespace keldra::testing
