// What the process was started with, kept where the Windows-named start-up services find it
// (__argc, __argv, GetCommandLineW). The process entry records it once, before the program
// runs.
#pragma once

#include "platform/kernel/WinTypes.h"

namespace keldra::platform {

class ProcessArguments {
  public:
    // `argv` holds `argc` arguments, the program's name first, and lives as long as the
    // process (main's does). Each becomes wide characters as file names do (FileNameCodec),
    // so a name in the command line reaches the same file again.
    static void Record(int argc, char** argv);
    // The whole command line; empty before Record.
    static LPWSTR CommandLine();
    // The command line after the program's name and the space that follows it.
    static LPWSTR CommandTail();
};

}  // namespace keldra::platform
