// A program running beside a test that says on its first output line when it is ready (and
// maybe where to find it): a bus daemon's address, a service's "ready". Stopped (SIGTERM,
// then waited for) when the object goes.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace keldra::launch::testing {

class AnnouncingProgram {
  public:
    // Runs `command` (its program by path, no shell) and waits up to ten seconds for its first
    // line; Announcement() is empty when none came.
    explicit AnnouncingProgram(const std::vector<std::string>& command);
    ~AnnouncingProgram();
    AnnouncingProgram(const AnnouncingProgram&) = delete;
    AnnouncingProgram& operator=(const AnnouncingProgram&) = delete;

    const std::string& Announcement() const { return announcement_; }
    // Waits up to ten seconds for the program to end by itself; true when it has.
    bool WaitForExit();

  private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string announcement_;
};

}  // namespace keldra::launch::testing
