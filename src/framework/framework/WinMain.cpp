// The program's entry, as the framework supplies it: the C runtime calls wWinMain once the
// process is set up, and the application object (made before that) does the rest. Kept in
// its own file so that only a program that is started this way takes it in.
#include <windows.h>

#include "framework/CWinApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand) {
    return AfxWinMain(instance, previous, commandLine, showCommand);
}
