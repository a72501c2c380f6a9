#pragma once

#include <map>
#include <sstream>
#include <string>

namespace keldra::testing {

// The NAME=value lines a tool prints with --shell (xdotool), as a map.
inline std::map<std::string, std::string> ShellValues(const std::string& text) {
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (const auto eq = line.find('='); eq != std::string::npos)
            values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return values;
}

}  // namespace keldra::testing
