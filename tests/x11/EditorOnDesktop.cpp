#include "x11/EditorOnDesktop.h"

#include <cstdlib>
#include <thread>

#include "support/ProgramRun.h"
#include "support/ShellValues.h"

namespace keldra::testing {

void EditorOnDesktop::SetUp() {
    if (!xvfb_.Running()) GTEST_SKIP() << "no X server for this test: " << xvfb_.Problem();
    setenv("DISPLAY", xvfb_.Display().c_str(), 1);
    windowManager_ =
        std::make_unique<ChildProgram>("/usr/bin/openbox", std::vector<std::string>{"--sm-disable"},
                                       folder_.Path(), std::vector<std::string>{});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the manager takes the screen
}

std::string EditorOnDesktop::Xdotool(const std::vector<std::string>& args) const {
    return RunProgram("/usr/bin/xdotool", args).out;
}

std::string EditorOnDesktop::Xprop(const std::vector<std::string>& args) const {
    return RunProgram("/usr/bin/xprop", args).out;
}

std::string EditorOnDesktop::StartEditor(const std::vector<std::string>& arguments,
                                         const std::filesystem::path& startFolder) {
    editor_ = std::make_unique<ChildProgram>(
        KELDRA_CONFIG_PATH, arguments, startFolder.empty() ? folder_.Path() : startFolder,
        std::vector<std::string>{"DISPLAY=" + xvfb_.Display()}, errors_.Path() / "editor.err");
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        std::string id =
            Xdotool({"search", "--onlyvisible", "--pid", std::to_string(editor_->Pid())});
        if (!id.empty()) {
            id.resize(id.find('\n'));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));  // first frame drawn
            window_ = id;
            return id;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}

std::map<std::string, std::string> EditorOnDesktop::Geometry() const {
    return ShellValues(Xdotool({"getwindowgeometry", "--shell", window_}));
}

std::pair<int, int> EditorOnDesktop::Place() const {
    auto g = Geometry();
    return {std::stoi(g["X"]), std::stoi(g["Y"])};
}

void EditorOnDesktop::MoveTo(int x, int y) const {
    const auto [left, top] = Place();
    Xdotool({"mousemove", "--sync", std::to_string(left + x), std::to_string(top + y)});
}

void EditorOnDesktop::ClickAt(int x, int y) const {
    MoveTo(x, y);
    Xdotool({"click", "1"});
}

std::optional<int> EditorOnDesktop::WaitForExit() const {
    return editor_->WaitForExit(std::chrono::seconds(5));
}

std::string EditorOnDesktop::EditorErrors() const {
    return ReadBytes(errors_ / "editor.err");
}

}  // namespace keldra::testing
