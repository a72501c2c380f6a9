#include "settings/AtomicFileWriter.h"

#include <windows.h>

#include <random>

#include "settings/SaveTempFiles.h"
#include "settings/windows/SharingRetry.h"
#include "settings/windows/UniqueHandle.h"
#include "settings/windows/WindowsError.h"

namespace keldra::settings {

namespace {

constexpr int kNameAttempts = 100;

// The attributes a replaced file hands on. ReplaceFileW merges them itself, but not on
// every implementation (Wine's does not), so the new file is made with them already.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring RandomName(std::wstring pattern) {
    static constexpr wchar_t kCharacters[] =
        L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, 61);
    for (std::size_t i = pattern.size() - SaveTempFiles::kRandomPart; i < pattern.size(); ++i)
        pattern[i] = kCharacters[pick(random)];
    return pattern;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

// A temporary file beside the target, removed again unless it was put in place.
class AtomicFileWriter::TempFile {
  public:
    TempFile(const std::filesystem::path& target, DWORD attributes) {
        const std::wstring pattern = SaveTempFiles::Template(target).native();
        for (int attempt = 0; attempt < kNameAttempts && !file_; ++attempt) {
            path_ = RandomName(pattern);
            file_ = UniqueHandle(CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                             CREATE_NEW, attributes, nullptr));
            createError_ = file_ ? ERROR_SUCCESS : GetLastError();
            if (createError_ != ERROR_FILE_EXISTS && createError_ != ERROR_ALREADY_EXISTS) break;
        }
        created_ = static_cast<bool>(file_);
    }
    ~TempFile() {
        file_.Close();
        if (created_ && !moved_) DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Writes and flushes the bytes and closes the file; false with GetLastError set.
    bool Fill(std::string_view bytes) {
        if (!created_) {
            SetLastError(createError_);
            return false;
        }
        return WriteAll(file_.Get(), bytes) && FlushFileBuffers(file_.Get()) && file_.Close();
    }
    const wchar_t* Path() const { return path_.c_str(); }
    void MarkMoved() { moved_ = true; }

  private:
    std::wstring path_;
    UniqueHandle file_;
    DWORD createError_ = ERROR_SUCCESS;
    bool created_ = false;
    bool moved_ = false;
};

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, std::wstring displayPath)
    : target_(std::move(target)), displayPath_(std::move(displayPath)) {}

// ReplaceFileW gives the new file the old one's attributes, security and identity; a game
// that holds the old file open without sharing it is waited for a moment.
SaveResult AtomicFileWriter::Replace(std::string_view bytes, const FileSnapshot& previous) const {
    const DWORD kept = previous.Attributes() & kKeptAttributes;
    TempFile temp(target_, kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
    if (!temp.Fill(bytes)) return WindowsError::Failure(displayPath_, GetLastError());
    const bool replaced = SharingRetry::Run([&] {
        return ReplaceFileW(target_.c_str(), temp.Path(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                            nullptr, nullptr) != FALSE;
    });
    if (replaced) {
        temp.MarkMoved();
        return SaveResult::Success();
    }
    const DWORD error = GetLastError();
    // The old file went away meanwhile, or was removed before the new one could take its
    // name: the new one is put there.
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
        error != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        return WindowsError::Failure(displayPath_, error);
    }
    if (!MoveFileExW(temp.Path(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return WindowsError::Failure(displayPath_, GetLastError());
    }
    temp.MarkMoved();
    return SaveResult::Success();
}

// Without MOVEFILE_REPLACE_EXISTING the move refuses to replace anything that appeared
// meanwhile: the complete file is put in place, or nothing is.
SaveResult AtomicFileWriter::CreateNew(std::string_view bytes) const {
    TempFile temp(target_, FILE_ATTRIBUTE_NORMAL);
    if (!temp.Fill(bytes)) return WindowsError::Failure(displayPath_, GetLastError());
    if (!MoveFileExW(temp.Path(), target_.c_str(), MOVEFILE_WRITE_THROUGH))
        return WindowsError::Failure(displayPath_, GetLastError());
    temp.MarkMoved();
    return SaveResult::Success();
}

}  // namespace keldra::settings
