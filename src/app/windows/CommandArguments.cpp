// Windows: the wide arguments. The C runtime splits them for a wide entry point (__wargv);
// where it has not, the process's command line is split the way the shell does it. Either
// way the narrow __argv is not used: it cannot hold every name.
#include "app/CommandArguments.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#include <stdlib.h>  // __argc, __wargv

namespace {

struct SplitCommandLine {
    SplitCommandLine() : arguments(CommandLineToArgvW(GetCommandLineW(), &count)) {}
    ~SplitCommandLine() { LocalFree(arguments); }
    SplitCommandLine(const SplitCommandLine&) = delete;
    SplitCommandLine& operator=(const SplitCommandLine&) = delete;

    int count = 0;
    wchar_t** arguments;
};

keldra::launch::ProgramArguments AfterName(const wchar_t* const* arguments, int count) {
    if (count < 2 || arguments == nullptr) return {};
    return {arguments + 1, arguments + count};
}

}  // namespace

keldra::launch::ProgramArguments CommandArguments::AfterProgramName() {
    if (__wargv != nullptr) return AfterName(__wargv, __argc);
    static const SplitCommandLine split;
    return AfterName(split.arguments, split.count);
}
