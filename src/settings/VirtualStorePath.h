#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keldra::settings {

// Where Windows' file virtualization keeps a per-user copy of a file. A 32-bit program
// without a manifest that writes under a protected folder (Program Files, Program Files
// (x86), the Windows folder, ProgramData) has its writes, and from then on its reads, sent
// to %LOCALAPPDATA%\VirtualStore\<the path without its drive>. A pure function of the
// paths, so that it is the same on every system.
class VirtualStorePath {
  public:
    // `localAppData`: %LOCALAPPDATA%; `protectedFolders`: the full paths of the virtualized
    // folders as the system names them (%ProgramFiles%, %ProgramFiles(x86)%, %SystemRoot%,
    // %ProgramData%); empty entries are ignored.
    VirtualStorePath(std::wstring localAppData, std::vector<std::wstring> protectedFolders);

    // The VirtualStore path of `file` (a full Windows path, "\\?\" form allowed), or nothing
    // when the file is not inside a virtualized folder or no VirtualStore is known.
    std::optional<std::wstring> For(std::wstring_view file) const;

  private:
    std::wstring localAppData_;
    std::vector<std::wstring> protectedFolders_;
};

}  // namespace keldra::settings
