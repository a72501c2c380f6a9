// keldra-headless: runs the editor in the current folder on a virtual screen, played by a
// script from a file or standard input, for tests, screenshots and scripted edits.
#include <fstream>
#include <iostream>

#include "HeadlessRunner.h"
#include "HeadlessScript.h"
#include "app/CConfigApp.h"
#include "app/DialogLayouts.h"
#include "platform/user/WindowManager.h"

CConfigApp theApp;

namespace {

constexpr int kScriptError = 2;

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: keldra-headless [SCRIPT]   (the script is read from standard input "
                     "without one)\n";
        return kScriptError;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1]);
        if (!file) {
            std::cerr << "keldra-headless: cannot read " << argv[1] << "\n";
            return kScriptError;
        }
    }
    std::string error;
    const auto commands =
        keldra::headless::HeadlessScript::Parse(argc == 2 ? file : std::cin, error);
    if (!commands) {
        std::cerr << "keldra-headless: " << error << "\n";
        return kScriptError;
    }

    keldra::platform::host::HeadlessHost host;
    keldra::platform::user::WindowManager::Instance().SetHost(&host);
    keldra::app::RegisterDialogLayouts();
    keldra::headless::HeadlessRunner runner(host, theApp, std::cout);
    runner.Queue(*commands);
    AfxWinMain();
    runner.Finish();
    keldra::platform::user::WindowManager::Instance().SetHost(nullptr);
    std::cout << runner.Outcome() << std::endl;
    return 0;
}
