#include "app/ConfigStart.h"

#include <filesystem>
#include <string>
#include <variant>

#include "app/StartOutput.h"
#include "launch/CommandLine.h"
#include "launch/FolderArgument.h"
#include "launch/MenuStart.h"

namespace {

using keldra::launch::CommandLine;
using keldra::launch::EditFolder;
using keldra::launch::EditMenuFolder;
using keldra::launch::FolderArgument;
using keldra::launch::ShowHelp;
using keldra::launch::ShowVersion;
using keldra::launch::StartRequest;
using keldra::launch::UsageError;

constexpr int kUsageStatus = 2;

int Fail(const std::string& reason) {
    StartOutput::Complain(reason);
    return kUsageStatus;
}

// Runs the editor in `folder` (empty: where started) exactly as if started there.
int RunIn(const std::filesystem::path& folder, const std::function<void()>& runEditor) {
    if (!folder.empty()) {
        if (const auto problem = FolderArgument::Enter(folder)) return Fail(*problem);
    }
    runEditor();
    return 0;
}

// Started from the menu, the folder comes from the player; a cancelled choice ends the
// program without anything created (whoever asked has told the player what they need).
int RunInMenuFolder(const EditMenuFolder& menu, const std::function<void()>& runEditor) {
    const auto folder = keldra::launch::ResolveMenuFolder(menu.mode);
    if (!folder) return 0;
    return RunIn(*folder, runEditor);
}

}  // namespace

int ConfigStart::Run(keldra::launch::ProgramArguments arguments,
                     const std::function<void()>& runEditor) {
    const StartRequest request = CommandLine::Parse(arguments);
    if (std::holds_alternative<ShowHelp>(request)) return StartOutput::Show(CommandLine::Help());
    if (std::holds_alternative<ShowVersion>(request)) {
        return StartOutput::Show(CommandLine::Version());
    }
    if (const auto* error = std::get_if<UsageError>(&request)) return Fail(error->message);
    if (const auto* edit = std::get_if<EditFolder>(&request)) return RunIn(edit->folder, runEditor);
    return RunInMenuFolder(std::get<EditMenuFolder>(request), runEditor);
}
