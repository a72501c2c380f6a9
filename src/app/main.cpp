// keldra-config: the settings editor on the player's desktop, editing the CONFIG.INI of the
// game folder named on its command line, the one chosen from the desktop menu, or the folder
// it is started in.
#include <cstdio>
#include <optional>
#include <string>
#include <variant>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "app/CConfigApp.h"
#include "app/DialogLayouts.h"
#include "launch/CommandLine.h"
#include "launch/FolderArgument.h"
#include "launch/MenuStart.h"
#include "platform/host/SdlHost.h"
#include "platform/user/WindowManager.h"

CConfigApp theApp;

namespace {

using keldra::launch::CommandLine;
using keldra::launch::EditFolder;
using keldra::launch::EditMenuFolder;
using keldra::launch::FolderArgument;
using keldra::launch::ShowHelp;
using keldra::launch::ShowVersion;
using keldra::launch::StartRequest;
using keldra::launch::UsageError;
using keldra::platform::user::WindowManager;

constexpr int kUsageStatus = 2;

// The editor makes and drops pictures of about a megabyte each while it starts. glibc would
// map each one from the system afresh and unmap it when freed, and every fresh page costs a
// fault; kept in the heap, later pictures reuse the memory of earlier ones.
void KeepLargeBlocksInTheHeap() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

int Fail(const std::string& reason, int status) {
    std::fprintf(stderr, "keldra-config: %s\n", reason.c_str());
    return status;
}

// --help and --version: the text on standard output; a failed write is a failure.
int Show(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

// Works in `folder` (none: where started) exactly as if started there; the failure's status.
std::optional<int> EnterGameFolder(const std::filesystem::path& folder) {
    if (folder.empty()) return std::nullopt;
    if (const auto problem = FolderArgument::Enter(folder)) return Fail(*problem, kUsageStatus);
    return std::nullopt;
}

int RunDialog() {
    keldra::app::RegisterDialogLayouts();
    return AfxWinMain();
}

// Started from the menu, the folder comes from the player; a cancelled choice ends the
// program without anything created (whoever asked has told the player what they need).
int RunInMenuFolder(keldra::launch::MenuStartMode mode) {
    const auto folder = keldra::launch::ResolveMenuFolder(mode);
    if (!folder) return 0;
    if (const auto failure = EnterGameFolder(*folder)) return *failure;
    return RunDialog();
}

// The editor on the desktop, once the command line has been checked. The menu's folder is
// found after the host is in place, as its choosers may show a message box.
int RunOnDesktop(const std::optional<EditMenuFolder>& menu) {
    std::string error;
    auto host = keldra::platform::host::SdlHost::Open(error);
    if (!host) return Fail(error, 1);
    WindowManager::Instance().SetHost(host.get());
    const int status = menu ? RunInMenuFolder(menu->mode) : RunDialog();
    WindowManager::Instance().SetHost(nullptr);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    KeepLargeBlocksInTheHeap();
    const StartRequest request = CommandLine::Parse({argv + 1, argv + argc});
    if (std::holds_alternative<ShowHelp>(request)) return Show(CommandLine::Help());
    if (std::holds_alternative<ShowVersion>(request)) return Show(CommandLine::Version());
    if (const auto* error = std::get_if<UsageError>(&request)) {
        return Fail(error->message, kUsageStatus);
    }
    if (const auto* edit = std::get_if<EditFolder>(&request)) {
        if (const auto failure = EnterGameFolder(edit->folder)) return *failure;
        return RunOnDesktop(std::nullopt);
    }
    return RunOnDesktop(std::get<EditMenuFolder>(request));
}
