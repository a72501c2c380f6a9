#include "settings/FileLock.h"

#include <windows.h>

#include <algorithm>
#include <thread>

#include "settings/windows/SharingRetry.h"
#include "settings/windows/WindowsError.h"

namespace keldra::settings {

namespace {

// Windows byte-range locks are mandatory: a locked byte cannot be read by anyone else. The
// writers' lock is therefore one byte far past any real file's end, where no reader looks.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool SameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

HANDLE OpenShared(const std::filesystem::path& path, DWORD access) {
    return CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool FileLock::IsOpen() const {
    return static_cast<bool>(file_);
}

void FileLock::CloseFile() {
    file_.Close();
}

SaveResult FileLock::Failure(const std::wstring& path) const {
    return WindowsError::Failure(path, systemError_);
}

// Opens the regular file at the path, for writing where the user may, so that a file that
// must be rewritten in place can be written through the locked handle itself. A file the
// game holds without sharing is waited for a moment.
void FileLock::Open(const std::filesystem::path& path) {
    state_ = State::NoFile;
    error_ = 0;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    writable_ = true;
    SharingRetry::Run([&] {
        file_ = UniqueHandle(OpenShared(path, GENERIC_READ | GENERIC_WRITE));
        if (!file_ && GetLastError() == ERROR_ACCESS_DENIED) {
            writable_ = false;
            file_ = UniqueHandle(OpenShared(path, GENERIC_READ));
        }
        return static_cast<bool>(file_);
    });
    if (!file_) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            state_ = State::Failed;
            systemError_ = error;
            error_ = WindowsError::ToErrno(error);
        }
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file_.Get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file_.Get(), &info)) {
        file_.Close();
        return;
    }
    links_ = info.nNumberOfLinks;
}

bool FileLock::LockRange() {
    OVERLAPPED at{};
    at.OffsetHigh = kLockOffsetHigh;
    return LockFileEx(file_.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                      &at) != FALSE;
}

// The lock is on the file this handle opened; a writer that held it before may have put
// another file under the name since.
bool FileLock::SameFileAt(const std::filesystem::path& path) {
    const UniqueHandle named(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION mine{};
    BY_HANDLE_FILE_INFORMATION theirs{};
    return named && GetFileInformationByHandle(file_.Get(), &mine) &&
           GetFileInformationByHandle(named.Get(), &theirs) && SameFile(mine, theirs);
}

FileLock::Attempt FileLock::TryOnce(const std::filesystem::path& path) {
    if (!LockRange()) {
        const DWORD error = GetLastError();
        if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) return Attempt::Busy;
        // A file system without locks: the save goes on as it would have without one.
        return Attempt::Locked;
    }
    return SameFileAt(path) ? Attempt::Locked : Attempt::Stale;
}

}  // namespace keldra::settings
