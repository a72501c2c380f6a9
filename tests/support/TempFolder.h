#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace keldra::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    // The path as the program spells it, "<folder>\NAME".
    std::wstring WindowsPath(std::string_view name) const;

  private:
    std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& file);
struct stat StatOf(const std::filesystem::path& file);

}  // namespace keldra::testing
