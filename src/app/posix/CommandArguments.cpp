// Linux: the bytes the C runtime keeps, as the process entry recorded them.
#include "app/CommandArguments.h"

#include <windows.h>  // __argc, __argv, as the platform's process start keeps them

keldra::launch::ProgramArguments CommandArguments::AfterProgramName() {
    if (__argc < 2 || __argv == nullptr) return {};
    return {__argv + 1, __argv + __argc};
}
