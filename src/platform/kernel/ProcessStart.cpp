#include "platform/kernel/ProcessStart.h"

#include "platform/kernel/ProcessArguments.h"

int __argc = 0;
char** __argv = nullptr;

LPWSTR GetCommandLineW() {
    return keldra::platform::ProcessArguments::CommandLine();
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    if (moduleName != nullptr) return nullptr;
    // The program's own module: a handle no other object has, the same on every call.
    static HINSTANCE__ program{};
    return &program;
}
