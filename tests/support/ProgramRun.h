#pragma once

#include <string>
#include <vector>

namespace keldra::testing {

struct ProgramOutput {
    int status = -1;  // exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs a program with arguments (no shell) and collects its exit status and output.
ProgramOutput RunProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace keldra::testing
