#include "wine/DesktopEditor.h"

#include <cstdlib>
#include <thread>

#include "support/ProgramRun.h"
#include "support/ShellValues.h"

namespace keldra::testing {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string FirstLine(std::string text) {
    if (const auto end = text.find('\n'); end != std::string::npos) text.resize(end);
    return text;
}

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

bool WineSession::Active() {
    return !Environment("KELDRA_WINE_SESSION").empty();
}
std::string WineSession::Display() {
    return Environment("DISPLAY");
}
std::string WineSession::Wine() {
    return Environment("KELDRA_WINE");
}

std::filesystem::path WineSession::WindowsEditor() {
    return std::filesystem::path(Environment("KELDRA_WINDOWS_BUILD")) / "src/app/keldra-config.exe";
}

std::string XTool(const std::string& tool, const std::vector<std::string>& args) {
    return RunProgram("/usr/bin/" + tool, args).out;
}

DesktopEditor::DesktopEditor(EditorBuild build, const std::filesystem::path& gameFolder)
    : build_(build), errors_(gameFolder.parent_path() / (gameFolder.filename().string() + ".err")) {
    if (build == EditorBuild::Linux) {
        program_ = std::make_unique<ChildProgram>(KELDRA_CONFIG_PATH, std::vector<std::string>{},
                                                  gameFolder, std::vector<std::string>{}, errors_);
    } else {
        program_ = std::make_unique<ChildProgram>(
            WineSession::Wine(), std::vector<std::string>{WineSession::WindowsEditor().string()},
            gameFolder, std::vector<std::string>{}, errors_);
    }
    window_ = FindWindow(std::chrono::seconds(30));
    if (HasWindow()) Settle();
}

DesktopEditor::~DesktopEditor() = default;

std::string DesktopEditor::FindWindow(std::chrono::seconds time) const {
    // Both builds name their process on the window (_NET_WM_PID): the Linux program itself,
    // and Wine the Unix process that runs the Windows program, which is the one started here.
    const auto end = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < end) {
        const std::string id = FirstLine(XTool(
            "xdotool", {"search", "--onlyvisible", "--pid", std::to_string(program_->Pid())}));
        if (!id.empty()) return id;
        if (program_->WaitForExit(std::chrono::milliseconds(0))) return {};
        Pause(50);
    }
    return {};
}

std::string DesktopEditor::Errors() const {
    return RunProgram("/bin/cat", {errors_.string()}).out;
}

std::map<std::string, std::string> DesktopEditor::Geometry() const {
    return ShellValues(XTool("xdotool", {"getwindowgeometry", "--shell", window_}));
}

Spot DesktopEditor::Place() const {
    auto g = Geometry();
    return {std::stoi(g["X"]), std::stoi(g["Y"])};
}

void DesktopEditor::MoveTo(Spot spot) const {
    const Spot place = Place();
    const std::string x = std::to_string(place.x + spot.x), y = std::to_string(place.y + spot.y);
    // --sync waits for the pointer to move, which it never does when it is there already.
    auto pointer = ShellValues(XTool("xdotool", {"getmouselocation", "--shell"}));
    if (pointer["X"] == x && pointer["Y"] == y) return;
    XTool("xdotool", {"mousemove", "--sync", x, y});
}

void DesktopEditor::ClickAt(Spot spot) const {
    MoveTo(spot);
    XTool("xdotool", {"click", "1"});
    Settle();
}

void DesktopEditor::DragFrom(Spot from, Spot to) const {
    const Spot place = Place();
    MoveTo(from);
    XTool("xdotool", {"mousedown", "1"});
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step) {
        const int x = from.x + (to.x - from.x) * step / kSteps;
        const int y = from.y + (to.y - from.y) * step / kSteps;
        XTool("xdotool",
              {"mousemove", "--sync", std::to_string(place.x + x), std::to_string(place.y + y)});
        Pause(50);
    }
    XTool("xdotool", {"mouseup", "1"});
    Settle();
}

void DesktopEditor::Keys(const std::vector<std::string>& keys) const {
    XTool("xdotool", {"windowactivate", "--sync", window_});
    for (const std::string& key : keys) {
        XTool("xdotool", {"key", "--clearmodifiers", key});
        Pause(40);
    }
    Settle();
}

void DesktopEditor::Settle() const {
    // Wine hands input to the program through its server and draws afterwards; a short rest
    // lets both builds finish what one action caused before the next one comes.
    Pause(build_ == EditorBuild::Windows ? 250 : 120);
}

std::optional<int> DesktopEditor::WaitForExit(std::chrono::seconds time) {
    return program_->WaitForExit(time);
}

}  // namespace keldra::testing
