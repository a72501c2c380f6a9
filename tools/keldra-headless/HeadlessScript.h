// A keldra-headless script: one command a line, '#' starts a comment. Parsed whole before
// anything runs, so a mistake anywhere stops the run before it starts.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace keldra::headless {

struct ScriptCommand {
    enum class Kind { Move, Down, Up, Click, Drag, Key, Wait, Snapshot, Screen, State };
    Kind kind;
    int line = 0;
    int x = 0, y = 0, x2 = 0, y2 = 0;  // points, relative to the window's first top-left
    int milliseconds = 0;              // wait
    std::string key;                   // key name, upper case
    std::string file;                  // snapshot, screen
};

class HeadlessScript {
  public:
    // The commands, or nothing with `error` saying which line is wrong and why.
    static std::optional<std::vector<ScriptCommand>> Parse(std::istream& in, std::string& error);
    static bool IsKnownKey(const std::string& name);
};

}  // namespace keldra::headless
