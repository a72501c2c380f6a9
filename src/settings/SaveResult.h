#pragma once

#include <string>

namespace keldra::settings {

// The outcome of writing the settings file: success, or the file and the system's reason.
class SaveResult {
  public:
    static SaveResult Success() { return SaveResult(); }
    static SaveResult Failure(std::wstring path, int code, std::string reason) {
        SaveResult result;
        result.failed_ = true;
        result.path_ = std::move(path);
        result.code_ = code;
        result.reason_ = std::move(reason);
        return result;
    }
    // A failure with the reason the system gives for errno `code`.
    static SaveResult SystemFailure(std::wstring path, int code);

    bool Succeeded() const { return !failed_; }
    explicit operator bool() const { return Succeeded(); }

    const std::wstring& Path() const { return path_; }
    int Code() const { return code_; }
    const std::string& Reason() const { return reason_; }

  private:
    SaveResult() = default;
    bool failed_ = false;
    std::wstring path_;
    int code_ = 0;
    std::string reason_;
};

}  // namespace keldra::settings
