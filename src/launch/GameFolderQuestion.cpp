#include "launch/GameFolderQuestion.h"

#include <windows.h>

#include "launch/PortalFolderChooser.h"
#include "launch/ProgramFolderChooser.h"

namespace keldra::launch {

namespace {

constexpr const char* kChooserTitle = "Choose the Keldra game folder";

constexpr const wchar_t* kNoChooserText =
    L"Keldra Settings edits the settings in the game's folder, and this desktop has no "
    L"folder chooser to ask for it with.\n\n"
    L"Start Keldra Settings with the game's folder:\n"
    L"keldra-config /path/to/the/game";

}  // namespace

std::optional<std::filesystem::path> GameFolderQuestion::Ask() const {
    using Outcome = FolderAnswer::Outcome;
    const auto askPortal = [] { return PortalFolderChooser(kChooserTitle).Ask(); };
    const auto askZenity = [] { return ProgramFolderChooser::Zenity(kChooserTitle).Ask(); };
    const auto askKdialog = [] { return ProgramFolderChooser::Kdialog(kChooserTitle).Ask(); };
    for (const auto& ask : {+askPortal, +askZenity, +askKdialog}) {
        FolderAnswer answer = ask();
        if (answer.outcome == Outcome::Chosen) return std::move(answer.folder);
        if (answer.outcome == Outcome::Cancelled) return std::nullopt;
    }
    ExplainHowToStartWithAFolder();
    return std::nullopt;
}

void GameFolderQuestion::ExplainHowToStartWithAFolder() {
    MessageBoxW(nullptr, kNoChooserText, L"Keldra", MB_OK);
}

}  // namespace keldra::launch
