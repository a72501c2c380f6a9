// Where keldra-config says what it has to say before any window: help and the version on
// standard output, a mistake in the command line as one line on standard error.
#pragma once

#include <string>

class StartOutput {
  public:
    // Shows `text`; 0 when it was shown, 1 when it could not be written.
    static int Show(const std::string& text);
    // Tells the player `reason` (one line in UTF-8, without the program's name).
    static void Complain(const std::string& reason);
};
