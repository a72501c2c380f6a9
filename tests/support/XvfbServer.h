#pragma once

#include <sys/types.h>

#include <string>

namespace keldra::testing {

// A private X server (Xvfb) on a free display number for the life of the object.
class XvfbServer {
  public:
    XvfbServer(int width = 1280, int height = 1024);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // False, with the reason, when no server could be started here.
    bool Running() const { return pid_ > 0; }
    const std::string& Problem() const { return problem_; }
    // ":<n>", for DISPLAY.
    const std::string& Display() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
    std::string problem_;
};

}  // namespace keldra::testing
