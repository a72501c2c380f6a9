// The process's start as the Windows C runtime and kernel present it to a program: the
// arguments the C runtime keeps for it, its command line and module handle, and the entry
// the program supplies.
#pragma once

#include "platform/kernel/WinTypes.h"

#ifndef WINAPI
#define WINAPI
#endif

extern "C" {

// The program's arguments, its own name first, as the C runtime keeps them for programs
// that do not receive them in main; 0 and null until the process entry records them.
extern int __argc;
extern char** __argv;

// Supplied by the program: the process entry calls it with the program's module, the
// command line after the program's name and how to show the first window, and the process
// ends with what it returns.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);
}

// The whole command line, the program's name first, each argument quoted as Windows splits
// it again; an empty line before the process entry has recorded the arguments.
LPWSTR GetCommandLineW();
// Null names the program itself; the program loads no other module, so any other name
// finds nothing.
HMODULE GetModuleHandleW(LPCWSTR moduleName);

#define GetCommandLine GetCommandLineW
#define GetModuleHandle GetModuleHandleW
