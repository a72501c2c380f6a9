// Plays a script against the editor running on the headless host: each command becomes a
// step that the host runs when the program's message loop has nothing else to do.
#pragma once

#include <windows.h>

#include <iosfwd>
#include <optional>
#include <vector>

#include "HeadlessScript.h"
#include "platform/headless/HeadlessHost.h"

class CConfigApp;

namespace keldra::headless {

class HeadlessRunner {
  public:
    HeadlessRunner(platform::host::HeadlessHost& host, CConfigApp& app, std::ostream& out);

    void Queue(const std::vector<ScriptCommand>& commands);
    // After the program has ended: the steps left, of which only `state` still reports.
    void Finish();
    // "closed ok", "closed cancel" or "still open".
    const char* Outcome() const;

  private:
    void Step(std::function<void()> action, bool advance);
    void QueuePointer(const ScriptCommand& command);
    void QueueDrag(const ScriptCommand& command);
    void PressKey(const std::string& name);
    void WriteScreen(const std::string& file) const;
    POINT ScreenPoint(int x, int y) const { return {origin_.x + x, origin_.y + y}; }
    HWND MainWindow() const;
    bool Closed() const;

    platform::host::HeadlessHost& host_;
    CConfigApp& app_;
    std::ostream& out_;
    POINT origin_{};
    HWND main_ = nullptr;
};

}  // namespace keldra::headless
