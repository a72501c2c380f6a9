// Times a program from exec until the X server maps a window big enough to be its main one.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace keldra::bench {

struct ProgramStart {
    std::vector<std::string> command;  // the program and its arguments
    std::filesystem::path folder;      // where it starts
};

struct MappedWindow {
    double milliseconds;  // negative when no window came
    pid_t pid;            // the program, still running
};

// Starts the program and waits for the first top-level window of at least minimumWidth x
// minimumHeight mapped on `display` (a window manager's frame counts: it maps once the
// program's window is managed), for at most 30 s. The program keeps running.
MappedWindow StartUntilMapped(const std::string& display, const ProgramStart& start,
                              int minimumWidth, int minimumHeight);

// Kills a program StartUntilMapped started and waits for it.
void EndProgram(pid_t pid);

// The milliseconds from exec to the program's mapped window, as StartUntilMapped measures
// them, or a negative number; the program is ended afterwards.
double MillisecondsToMappedWindow(const std::string& display, const ProgramStart& start,
                                  int minimumWidth, int minimumHeight);

}  // namespace keldra::bench
