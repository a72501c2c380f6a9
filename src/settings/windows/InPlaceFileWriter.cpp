#include "settings/InPlaceFileWriter.h"

#include <windows.h>

#include "settings/windows/WindowsError.h"

namespace keldra::settings {

namespace {

// Space for the whole new content without changing the file's size, so that a full disk
// fails before any byte changes. Where the file system cannot reserve, the write goes
// ahead and is undone if it fails.
DWORD Reserve(HANDLE file, std::size_t size) {
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(size);
    if (SetFileInformationByHandle(file, FileAllocationInfo, &allocation, sizeof allocation))
        return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL ? error : ERROR_SUCCESS;
}

}  // namespace

SaveResult InPlaceFileWriter::Rewrite(std::string_view bytes, std::string_view previous) const {
    if (bytes.size() > previous.size()) {
        if (const DWORD error = Reserve(fd_, bytes.size()); error != ERROR_SUCCESS)
            return WindowsError::Failure(displayPath_, error);
    }
    if (const DWORD error = WriteWhole(bytes); error != ERROR_SUCCESS)
        return FailAndRestore(error, previous);
    if (const DWORD error = Resize(bytes.size()); error != ERROR_SUCCESS)
        return FailAndRestore(error, previous);
    if (!FlushFileBuffers(fd_)) return FailAndRestore(GetLastError(), previous);
    return SaveResult::Success();
}

unsigned long InPlaceFileWriter::WriteWhole(std::string_view bytes) const {
    std::uint64_t offset = 0;
    while (!bytes.empty()) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(fd_, bytes.data(), chunk, &written, &at)) return GetLastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        bytes.remove_prefix(written);
        offset += written;
    }
    return ERROR_SUCCESS;
}

unsigned long InPlaceFileWriter::Resize(std::size_t size) const {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(fd_, end, nullptr, FILE_BEGIN) || !SetEndOfFile(fd_))
        return GetLastError();
    return ERROR_SUCCESS;
}

SaveResult InPlaceFileWriter::FailAndRestore(unsigned long error, std::string_view previous) const {
    const bool restored = WriteWhole(previous) == ERROR_SUCCESS &&
                          Resize(previous.size()) == ERROR_SUCCESS && FlushFileBuffers(fd_);
    const SaveResult failure = WindowsError::Failure(displayPath_, error);
    if (restored) return failure;
    return SaveResult::Failure(
        displayPath_, failure.Code(),
        "the file could not be written, nor put back as it was: " + failure.Reason());
}

}  // namespace keldra::settings
