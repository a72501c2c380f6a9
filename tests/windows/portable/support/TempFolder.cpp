// The tests' temporary folders and file helpers over the Windows API.
#include "support/TempFolder.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace keldra::testing {

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, base);
    if (length == 0) throw std::runtime_error("no temporary folder");
    std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = L"keldra-test-" + std::to_wstring(random());
        const std::filesystem::path candidate = std::filesystem::path(base) / name;
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Files a test made read-only must become writable again to be removed.
    std::filesystem::recursive_directory_iterator entry(path_, ignored);
    for (; !ignored && entry != std::filesystem::recursive_directory_iterator();
         entry.increment(ignored)) {
        SetFileAttributesW(entry->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    ignored.clear();
    std::filesystem::remove_all(path_, ignored);
}

std::wstring TempFolder::WindowsPath(std::string_view name) const {
    return path_.wstring() + L"\\" + std::wstring(name.begin(), name.end());
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct stat StatOf(const std::filesystem::path& file) {
    struct _stat64 wide {};
    if (_wstat64(file.c_str(), &wide) != 0)
        throw std::runtime_error("cannot stat " + file.string());
    struct stat status {};
    status.st_mode = wide.st_mode;
    status.st_size = static_cast<decltype(status.st_size)>(wide.st_size);
    return status;
}

}  // namespace keldra::testing
