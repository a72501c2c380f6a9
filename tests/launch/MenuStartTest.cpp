#include "launch/MenuStartTest.h"

#include <sys/stat.h>
#include <windows.h>

#include <sstream>

#include "platform/user/windows/UserState.h"

namespace keldra::launch::testing {

namespace {

namespace fs = std::filesystem;
using keldra::testing::ReadBytes;
using keldra::testing::WriteBytes;

void AddTree(const fs::path& root, FileTree& tree) {
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_directory()) {
            tree[entry.path()] = "<folder>";
        } else if (entry.is_regular_file()) {
            tree[entry.path()] = ReadBytes(entry.path());
        } else {
            tree[entry.path()] = "<other>";  // a socket, such as a test's own bus
        }
    }
}

std::vector<std::wstring> VisibleTopLevelTitles() {
    std::vector<std::wstring> titles;
    for (HWND window : platform::user::CurrentWindows().TopLevels()) {
        if (!IsWindowVisible(window)) continue;
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        titles.emplace_back(title);
    }
    return titles;
}

}  // namespace

MenuStartTest::MenuStartTest() : previousFolder_(fs::current_path()) {
    environment_.Set("HOME", home_.Path());
    environment_.Set("XDG_CONFIG_HOME", config_.Path());
    environment_.Set("TMPDIR", temp_.Path());
    environment_.Set("PATH", programs_.Path());
    environment_.Set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (programs_ / "no-bus").string());
    fs::current_path(work_.Path());
    session_.Windows().SetHost(&host_);
}

MenuStartTest::~MenuStartTest() {
    fs::current_path(previousFolder_);
}

std::optional<fs::path> MenuStartTest::Start(MenuStartMode mode) {
    messageBoxes_.clear();
    // A step no message box used is still waiting from the run before.
    if (host_.PendingSteps() == 0) CloseMessageBoxWhenItAppears();
    return ResolveMenuFolder(mode);
}

void MenuStartTest::CloseMessageBoxWhenItAppears() {
    host_.Then([this] {
        messageBoxes_ = VisibleTopLevelTitles();
        host_.TypeKey(VK_RETURN);
    });
}

void MenuStartTest::InstallChooser(const std::string& name, int status, const std::string& output) {
    ASSERT_EQ(output.find('\''), std::string::npos) << "the stand-in quotes its output with '";
    const fs::path program = programs_ / name;
    // Only shell builtins: PATH holds nothing else.
    WriteBytes(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + (notes_ / name).string() +
                            "'\nprintf '%s' '" + output + "'\nexit " + std::to_string(status) +
                            "\n");
    chmod(program.c_str(), 0755);
}

bool MenuStartTest::WasAsked(const std::string& name) const {
    return fs::exists(notes_ / name);
}

std::vector<std::string> MenuStartTest::ArgumentsOf(const std::string& name) const {
    std::vector<std::string> arguments;
    std::istringstream lines(ReadBytes(notes_ / name));
    for (std::string line; std::getline(lines, line);) arguments.push_back(line);
    return arguments;
}

fs::path MenuStartTest::MakeGameFolder(const std::string& name) const {
    const fs::path folder = games_ / name;
    fs::create_directories(folder);
    return folder;
}

fs::path MenuStartTest::RememberedFile() const {
    return config_ / "keldra-config" / "game-folder";
}

void MenuStartTest::Remember(const std::string& bytes) const {
    fs::create_directories(RememberedFile().parent_path());
    WriteBytes(RememberedFile(), bytes);
}

FileTree MenuStartTest::EverythingWritable() const {
    FileTree tree;
    for (const auto* folder : {&home_, &config_, &temp_, &work_, &games_})
        AddTree(folder->Path(), tree);
    return tree;
}

std::set<fs::path> MenuStartTest::ChangedSince(const FileTree& before) const {
    const FileTree after = EverythingWritable();
    std::set<fs::path> changed;
    for (const auto& [path, bytes] : before) {
        const auto now = after.find(path);
        if (now == after.end() || now->second != bytes) changed.insert(path);
    }
    for (const auto& [path, bytes] : after) {
        if (!before.contains(path)) changed.insert(path);
    }
    return changed;
}

}  // namespace keldra::launch::testing
