// Windows: the wide arguments, so that every file name and text arrives whole, and output
// in binary mode, so that it is the same bytes as on Linux (LF line ends, nothing added).
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include "KeldraIni.h"

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return KeldraIni::Main({argv + 1, argv + argc});
}
