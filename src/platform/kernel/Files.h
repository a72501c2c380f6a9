// File-system services with the Windows names that the program uses.
#pragma once

#include "platform/kernel/WinTypes.h"

// Copies the current directory into `buffer` (with its terminating zero) and returns its
// length; when the buffer is too small (or null), returns the size needed, zero included,
// and copies nothing. Folders are separated by '/' here, and by '\' on Windows: the file
// services of this platform accept both. A name's own bytes come through losslessly (see
// keldra::platform::FileNameCodec): a '\' in a name as U+F05C, bytes that are not UTF-8 as
// U+DC80..U+DCFF. Returns 0 when the directory has no path that leads back to it: it was
// removed, a folder above it may not be searched, or its path is too long for the system.
DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer);

#define GetCurrentDirectory GetCurrentDirectoryW
