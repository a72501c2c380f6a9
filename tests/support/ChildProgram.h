#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace keldra::testing {

// A program running beside the test, started in a given folder with extra environment
// settings; stopped (SIGTERM, then SIGKILL) if it still runs when the object goes.
class ChildProgram {
  public:
    ChildProgram(const std::string& program, const std::vector<std::string>& args,
                 const std::filesystem::path& folder, const std::vector<std::string>& environment,
                 const std::filesystem::path& errorFile = "/dev/null");
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    // Asks the program to end, as the desktop does at logout.
    void Terminate() const;
    // The exit status once the program has ended within the time; nothing if it still runs
    // (or was killed by a signal: -1).
    std::optional<int> WaitForExit(std::chrono::milliseconds time);

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

}  // namespace keldra::testing
