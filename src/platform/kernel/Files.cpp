#include "platform/kernel/Files.h"

#include <iconv.h>
#include <unistd.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// The folder names are UTF-8 bytes here; the program works in wide characters.
std::wstring WideFromUtf8(const std::string& bytes) {
    iconv_t cd = iconv_open("WCHAR_T", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::vector<wchar_t> out(bytes.size() + 1, L'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = reinterpret_cast<char*>(out.data());
    std::size_t toLeft = bytes.size() * sizeof(wchar_t);
    const std::size_t result = iconv(cd, &in, &inLeft, &to, &toLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) return {};
    return std::wstring(out.data(), (bytes.size() * sizeof(wchar_t) - toLeft) / sizeof(wchar_t));
}

}  // namespace

DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer) {
    std::vector<char> path(4096);
    if (getcwd(path.data(), path.size()) == nullptr) return 0;
    const std::wstring wide = WideFromUtf8(path.data());
    if (wide.empty()) return 0;
    const auto needed = static_cast<DWORD>(wide.size() + 1);
    if (buffer == nullptr || bufferLength < needed) return needed;
    std::wmemcpy(buffer, wide.c_str(), needed);
    return needed - 1;
}
