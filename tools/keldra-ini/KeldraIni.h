// keldra-ini: reads and writes the game's settings file exactly as the editor does. The same
// commands, output bytes and exit statuses on every system; only the arguments' form and
// the process's entry differ (posix/, windows/).
#pragma once

#include "launch/ProgramArgument.h"

class KeldraIni {
  public:
    // Runs the command line `arguments` (without the program's name); the exit status.
    static int Main(keldra::launch::ProgramArguments arguments);
};
