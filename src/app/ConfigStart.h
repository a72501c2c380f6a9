// keldra-config's start, from its command line: help and version on standard output, a
// mistake as one line on standard error (see StartOutput), all before anything is shown;
// otherwise the game folder is entered (or the one chosen from the desktop menu) and the
// editor run there.
#pragma once

#include <functional>

#include "launch/ProgramArgument.h"

class ConfigStart {
  public:
    // `arguments` without the program's name, as the system gives them; `runEditor` runs the
    // main window in the current folder. The process's exit status: 0 when it ran or there was
    // nothing to do, 1 when help or the version could not be written, 2 for a mistake in the
    // command line or a folder that cannot be worked in.
    static int Run(keldra::launch::ProgramArguments arguments,
                   const std::function<void()>& runEditor);
};
