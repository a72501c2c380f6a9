// The editor's state as one line of JSON, for scripts and tests.
#pragma once

#include <windows.h>

#include <string>

namespace keldra::headless {

struct StateInput {
    HWND main = nullptr;           // nullptr once the program has closed
    const char* result = nullptr;  // "ok", "cancel", or nullptr while open or undecided
    POINT origin{};                // the window's first top-left corner on the screen
    HWND pages[3] = {};            // graphic, interface, sound
};

class StateReport {
  public:
    static std::string Json(const StateInput& input);

  private:
    static std::string PageControls(HWND page);
    static std::string VisiblePage(const StateInput& input);
    static std::string WindowPlace(const StateInput& input, bool open);
};

}  // namespace keldra::headless
