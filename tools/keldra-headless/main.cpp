// keldra-headless: runs the editor on a virtual screen in the game folder named on its
// command line (or the folder it is started in), played by a script from a file or standard
// input, for tests, screenshots and scripted edits.
#include <fstream>
#include <iostream>

#include "HeadlessCommandLine.h"
#include "HeadlessRunner.h"
#include "HeadlessScript.h"
#include "app/CConfigApp.h"
#include "launch/FolderArgument.h"
#include "platform/session/Session.h"

CConfigApp theApp;

namespace {

using keldra::headless::HeadlessCommandLine;
using keldra::headless::HeadlessStart;
using keldra::headless::ScriptCommand;
using keldra::launch::FolderArgument;

constexpr int kUsageError = 2;

int Fail(const std::string& reason) {
    std::cerr << "keldra-headless: " << reason << "\n";
    return kUsageError;
}

// The whole script, read before the game folder is entered, so a relative script name means
// what it meant where the program was started; nothing with `error` set when it is unusable.
std::optional<std::vector<ScriptCommand>> ReadScript(const std::filesystem::path& script,
                                                     std::string& error) {
    if (script.empty()) return keldra::headless::HeadlessScript::Parse(std::cin, error);
    std::ifstream file(script);
    if (!file) {
        error = "cannot read " + FolderArgument::Quoted(script);
        return std::nullopt;
    }
    return keldra::headless::HeadlessScript::Parse(file, error);
}

int Play(const std::vector<ScriptCommand>& commands) {
    const keldra::platform::Session session;
    keldra::platform::host::HeadlessHost host;
    keldra::platform::user::CurrentWindows().SetHost(&host);
    keldra::headless::HeadlessRunner runner(host, theApp, std::cout);
    runner.Queue(commands);
    AfxWinMain();
    runner.Finish();
    keldra::platform::user::CurrentWindows().SetHost(nullptr);
    std::cout << runner.Outcome() << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto request = HeadlessCommandLine::Parse({argv + 1, argv + argc});
    if (std::holds_alternative<keldra::launch::ShowHelp>(request)) {
        std::cout << HeadlessCommandLine::Help() << std::flush;
        return std::cout ? 0 : 1;
    }
    if (const auto* error = std::get_if<keldra::launch::UsageError>(&request)) {
        return Fail(error->message);
    }
    const HeadlessStart& start = std::get<HeadlessStart>(request);
    std::string error;
    const auto commands = ReadScript(start.script, error);
    if (!commands) return Fail(error);
    if (!start.folder.empty()) {
        if (const auto problem = FolderArgument::Enter(start.folder)) return Fail(*problem);
    }
    return Play(*commands);
}
