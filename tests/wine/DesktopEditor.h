// One editor on the Wine tests' desktop, either build: the Linux program, or the Windows
// program under Wine. Driven as a player drives it, with xdotool, on the display the
// session gives (DISPLAY); read back through the X server.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/ChildProgram.h"

namespace keldra::testing {

enum class EditorBuild { Linux, Windows };

// A point of the editor's window, counted from its top-left corner.
struct Spot {
    int x;
    int y;
};

class DesktopEditor {
  public:
    // Starts the editor in `gameFolder` and waits for its window (see HasWindow).
    DesktopEditor(EditorBuild build, const std::filesystem::path& gameFolder);
    ~DesktopEditor();
    DesktopEditor(const DesktopEditor&) = delete;
    DesktopEditor& operator=(const DesktopEditor&) = delete;

    bool HasWindow() const { return !window_.empty(); }
    const std::string& Window() const { return window_; }
    int Pid() const { return program_->Pid(); }
    std::string Errors() const;

    std::map<std::string, std::string> Geometry() const;  // X, Y, WIDTH, HEIGHT
    Spot Place() const;                                   // the window's top-left corner
    void MoveTo(Spot spot) const;
    void ClickAt(Spot spot) const;
    // Presses at `from`, moves the pointer to `to` in steps, releases there.
    void DragFrom(Spot from, Spot to) const;
    // Gives the window the keyboard, then types the keys (xdotool key names).
    void Keys(const std::vector<std::string>& keys) const;
    // Waits until the window shows what the last action asked for: both builds draw a
    // little after the input, Wine through its own server.
    void Settle() const;

    std::optional<int> WaitForExit(std::chrono::seconds time = std::chrono::seconds(10));

  private:
    std::string FindWindow(std::chrono::seconds time) const;

    EditorBuild build_;
    std::filesystem::path errors_;
    std::unique_ptr<ChildProgram> program_;
    std::string window_;
};

// xdotool, xprop, ... on the session's display; their standard output.
std::string XTool(const std::string& tool, const std::vector<std::string>& args);

// The Wine tests' session (tests/windows/wine-session.sh): whether the tests run inside one,
// and what it names.
struct WineSession {
    static bool Active();
    static std::string Display();
    static std::string Wine();
    static std::filesystem::path WindowsEditor();
};

}  // namespace keldra::testing
