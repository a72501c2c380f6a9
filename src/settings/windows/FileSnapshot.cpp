#include "settings/FileSnapshot.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "settings/windows/SharingRetry.h"
#include "settings/windows/UniqueHandle.h"
#include "settings/windows/WindowsError.h"

namespace keldra::settings {

namespace {

std::string ReadableSize(std::size_t bytes) {
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    return std::to_string(bytes) + " bytes";
}

// Shared with every other reader and writer, and with a replace or delete, so that taking a
// snapshot never gets in the game's way.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

FileSnapshot FileSnapshot::Take(const std::filesystem::path& path, std::size_t maxSize) {
    FileSnapshot snapshot;
    UniqueHandle file;
    SharingRetry::Run([&] {
        file = UniqueHandle(CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return static_cast<bool>(file);
    });
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return snapshot;
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return snapshot.Fail(ERROR_DIRECTORY);
        return snapshot.Fail(error);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    // A device (CON, NUL, a pipe) in the file's place is not a settings file.
    if (GetFileType(file.Get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.Get(), &info)) {
        return snapshot.Fail(ERROR_INVALID_PARAMETER);
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return snapshot.Fail(ERROR_DIRECTORY);
    snapshot.attributes_ = info.dwFileAttributes;
    snapshot.maxSize_ = maxSize;
    const std::uint64_t size =
        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > maxSize) return snapshot.Fail(ERROR_FILE_TOO_LARGE);
    if (!snapshot.ReadUpTo(file.Get(), maxSize, static_cast<std::size_t>(size))) return snapshot;
    snapshot.state_ = State::Read;
    return snapshot;
}

bool FileSnapshot::IsReadOnly() const {
    return (attributes_ & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string FileSnapshot::Reason() const {
    if (error_ == EFBIG) {
        return "the file is too large to edit (over " + ReadableSize(maxSize_) + ")";
    }
    return WindowsError::Describe(systemError_);
}

FileSnapshot& FileSnapshot::Fail(unsigned long systemError) {
    state_ = State::Unreadable;
    systemError_ = systemError;
    error_ = WindowsError::ToErrno(systemError);
    bytes_.clear();
    bytes_.shrink_to_fit();
    return *this;
}

// Reads at most one byte past the limit, so that a file growing while it is read is caught
// without holding more than that.
bool FileSnapshot::ReadUpTo(void* file, std::size_t maxSize, std::size_t expectedSize) {
    bytes_.reserve(expectedSize + 1);
    for (;;) {
        const std::size_t offset = bytes_.size();
        const std::size_t wanted = MakeRoomForNextRead(maxSize);
        if (wanted == 0) {
            Fail(ERROR_FILE_TOO_LARGE);
            return false;
        }
        DWORD count = 0;
        const BOOL read =
            ReadFile(file, bytes_.data() + offset, static_cast<DWORD>(wanted), &count, nullptr);
        const DWORD error = GetLastError();
        bytes_.resize(offset + (read ? count : 0));
        if (!read) {
            Fail(error);
            return false;
        }
        if (count == 0) return true;
    }
}

}  // namespace keldra::settings
