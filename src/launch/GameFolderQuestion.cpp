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

FolderAnswer AskThePortal() {
    return PortalFolderChooser(kChooserTitle).Ask();
}
FolderAnswer AskZenity() {
    return ProgramFolderChooser::Zenity(kChooserTitle).Ask();
}
FolderAnswer AskKdialog() {
    return ProgramFolderChooser::Kdialog(kChooserTitle).Ask();
}

// The desktop's own chooser first; the dialog programs where no portal answers.
constexpr FolderAnswer (*kChoosers[])() = {AskThePortal, AskZenity, AskKdialog};

}  // namespace

std::optional<std::filesystem::path> GameFolderQuestion::Ask() const {
    for (const auto ask : kChoosers) {
        FolderAnswer answer = ask();
        if (answer.outcome == FolderAnswer::Outcome::Chosen) return std::move(answer.folder);
        if (answer.outcome == FolderAnswer::Outcome::Cancelled) return std::nullopt;
    }
    ExplainHowToStartWithAFolder();
    return std::nullopt;
}

void GameFolderQuestion::ExplainHowToStartWithAFolder() {
    MessageBoxW(nullptr, kNoChooserText, L"Keldra", MB_OK);
}

}  // namespace keldra::launch
