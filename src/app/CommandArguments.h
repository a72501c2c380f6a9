// The program's own command line, after its name, as the system hands it over (see
// launch/ProgramArgument.h): kept for the whole run.
#pragma once

#include "launch/ProgramArgument.h"

class CommandArguments {
  public:
    static keldra::launch::ProgramArguments AfterProgramName();
};
