// File-system services with the Windows names that the program uses.
#pragma once

#include "platform/kernel/WinTypes.h"

// Copies the current directory into `buffer` (with its terminating zero) and returns its
// length; when the buffer is too small, returns the size needed (zero included) and copies
// nothing; 0 on failure. Folders are separated by '/' here, and by '\' on Windows: the file
// services of this platform accept both.
DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer);

#define GetCurrentDirectory GetCurrentDirectoryW
