// Windows: a program with windows has no console of its own. Started from a console or a
// script with its output taken, it writes there as on Linux (in binary mode: the same bytes,
// LF line ends). Started from Explorer, a shortcut or with a file dropped on it, nothing
// would ever read those streams, so what it has to say is shown in a message box instead:
// otherwise a player who dropped the wrong thing on it would see nothing happen at all.
#include "app/StartOutput.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace {

bool HasStandardStream(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

std::wstring Wide(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

int Say(const std::string& text, UINT icon) {
    return MessageBoxW(nullptr, Wide(text).c_str(), L"Keldra", MB_OK | icon) != 0 ? 0 : 1;
}

}  // namespace

int StartOutput::Show(const std::string& text) {
    if (!HasStandardStream(STD_OUTPUT_HANDLE)) return Say(text, MB_ICONINFORMATION);
    _setmode(_fileno(stdout), _O_BINARY);
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

void StartOutput::Complain(const std::string& reason) {
    if (!HasStandardStream(STD_ERROR_HANDLE)) {
        Say("keldra-config: " + reason, MB_ICONERROR);
        return;
    }
    _setmode(_fileno(stderr), _O_BINARY);
    std::fprintf(stderr, "keldra-config: %s\n", reason.c_str());
}
