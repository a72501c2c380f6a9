#include "HeadlessRunner.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <ostream>

#include "StateReport.h"
#include "app/CConfigApp.h"
#include "app/CConfigDlg.h"
#include "platform/gdi/image/PngWriter.h"
#include "platform/user/windows/UserState.h"

namespace keldra::headless {

namespace {

using Kind = ScriptCommand::Kind;
using platform::host::HeadlessHost;

constexpr std::uint64_t kCommandTime = 10;  // virtual time before every command
constexpr int kDragStep = 4;                // longest pointer step of a drag
constexpr UINT kF4 = 0x73;
constexpr std::uint32_t kDesktop = 0x2D4A6E;  // the colour behind the windows on `screen`

}  // namespace

HeadlessRunner::HeadlessRunner(HeadlessHost& host, CConfigApp& app, std::ostream& out)
    : host_(host), app_(app), out_(out) {}

HWND HeadlessRunner::MainWindow() const {
    CWnd* main = AfxGetMainWnd();
    return main != nullptr ? main->GetSafeHwnd() : nullptr;
}

bool HeadlessRunner::Closed() const {
    return main_ != nullptr && !IsWindow(main_);
}

const char* HeadlessRunner::Outcome() const {
    switch (app_.ModalResult()) {
        case IDOK:
            return "closed ok";
        case IDCANCEL:
            return "closed cancel";
        default:
            return "still open";
    }
}

// Every command runs as a step of its own once the program is idle; once the program has
// closed, only `state` still does anything.
void HeadlessRunner::Step(std::function<void()> action, bool advance) {
    host_.Then([this, action = std::move(action), advance] {
        if (advance) host_.AdvanceTime(kCommandTime);
        action();
    });
}

void HeadlessRunner::Queue(const std::vector<ScriptCommand>& commands) {
    host_.Then([this] {  // the window's first place is where coordinates count from
        main_ = MainWindow();
        RECT rect{};
        if (main_ != nullptr) GetWindowRect(main_, &rect);
        origin_ = {rect.left, rect.top};
    });
    for (const ScriptCommand& command : commands) {
        switch (command.kind) {
            case Kind::Move:
            case Kind::Down:
            case Kind::Up:
            case Kind::Click:
                QueuePointer(command);
                break;
            case Kind::Drag:
                QueueDrag(command);
                break;
            case Kind::Key:
                Step(
                    [this, key = command.key] {
                        if (!Closed()) PressKey(key);
                    },
                    true);
                break;
            case Kind::Wait:
                Step(
                    [this, ms = command.milliseconds] {
                        if (!Closed()) host_.AdvanceTime(static_cast<std::uint64_t>(ms));
                    },
                    true);
                break;
            case Kind::Snapshot:
                Step(
                    [this, file = command.file] {
                        if (!Closed()) host_.SavePng(main_, file);
                    },
                    true);
                break;
            case Kind::Screen:
                Step(
                    [this, file = command.file] {
                        if (!Closed()) WriteScreen(file);
                    },
                    true);
                break;
            case Kind::State:
                Step(
                    [this] {
                        const auto* dialog = dynamic_cast<const CConfigDlg*>(AfxGetMainWnd());
                        StateInput input{Closed() ? nullptr : main_, nullptr, origin_, {}};
                        if (Closed()) input.result = app_.ModalResult() == IDOK ? "ok" : "cancel";
                        if (dialog != nullptr) {
                            input.pages[0] = dialog->GraphicPage();
                            input.pages[1] = dialog->InterfacePage();
                            input.pages[2] = dialog->SoundPage();
                        }
                        out_ << StateReport::Json(input) << std::endl;
                    },
                    true);
                break;
        }
    }
}

void HeadlessRunner::QueuePointer(const ScriptCommand& command) {
    Step(
        [this, command] {
            if (Closed()) return;
            const POINT p = ScreenPoint(command.x, command.y);
            host_.MoveMouse({p.x, p.y});
            if (command.kind == Kind::Down || command.kind == Kind::Click) host_.PressLeft();
            if (command.kind == Kind::Up || command.kind == Kind::Click) host_.ReleaseLeft();
        },
        true);
}

// A drag is many steps, so that the window sees each move before the next one happens,
// as it would under a player's hand.
void HeadlessRunner::QueueDrag(const ScriptCommand& command) {
    Step(
        [this, command] {
            if (Closed()) return;
            const POINT p = ScreenPoint(command.x, command.y);
            host_.MoveMouse({p.x, p.y});
            host_.PressLeft();
        },
        true);
    const int distance =
        std::max(std::abs(command.x2 - command.x), std::abs(command.y2 - command.y));
    const int steps = std::max(1, (distance + kDragStep - 1) / kDragStep);
    for (int i = 1; i <= steps; ++i) {
        Step(
            [this, command, i, steps] {
                if (Closed()) return;
                const POINT p = ScreenPoint(command.x + (command.x2 - command.x) * i / steps,
                                            command.y + (command.y2 - command.y) * i / steps);
                host_.MoveMouse({p.x, p.y});
                if (i == steps) host_.ReleaseLeft();
            },
            false);
    }
}

void HeadlessRunner::PressKey(const std::string& name) {
    static const std::map<std::string, UINT> kKeys = {
        {"ENTER", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"TAB", VK_TAB},      {"SPACE", VK_SPACE},
        {"LEFT", VK_LEFT},    {"RIGHT", VK_RIGHT},   {"UP", VK_UP},        {"DOWN", VK_DOWN},
        {"HOME", VK_HOME},    {"END", VK_END},       {"PAGEUP", VK_PRIOR}, {"PAGEDOWN", VK_NEXT},
        {"F4", kF4}};
    if (name == "SHIFT+TAB") {
        host_.TypeKey(VK_TAB, HeadlessHost::kShift);
    } else if (name == "ALT+DOWN") {
        host_.KeyDown(VK_MENU);
        host_.TypeKey(VK_DOWN);
        host_.KeyUp(VK_MENU);
    } else if (const auto it = kKeys.find(name); it != kKeys.end()) {
        host_.TypeKey(it->second);
    }
}

// The virtual screen as a player would see it: the desktop, then every shown window from
// the bottom of the stack up, each cut to its shape.
void HeadlessRunner::WriteScreen(const std::string& file) const {
    const platform::gdi::Rect bounds = host_.ScreenRect();
    auto screen = platform::gdi::Surface::Create(bounds.Width(), bounds.Height(),
                                                 platform::gdi::PixelFormat::Colour);
    if (!screen) return;
    screen->Fill(screen->Bounds(), kDesktop);
    const auto& stack = platform::user::CurrentWindows().TopLevels();  // topmost first
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        const auto* native = host_.Find(*it);
        if (native == nullptr || !native->shown || native->minimized || native->pixels == nullptr)
            continue;
        const platform::gdi::Rect place = native->state.screenRect;
        for (int y = 0; y < native->pixels->Height(); ++y) {
            for (int x = 0; x < native->pixels->Width(); ++x) {
                const platform::gdi::Point at{place.left + x, place.top + y};
                if (!screen->Bounds().Contains(at)) continue;
                if (native->state.shape && !native->state.shape->Contains({x, y})) continue;
                screen->Set(at.x, at.y, native->pixels->At(x, y));
            }
        }
    }
    platform::gdi::PngWriter::Write(file, *screen);
}

void HeadlessRunner::Finish() {
    while (host_.PendingSteps() > 0) host_.WaitForEvents();
}

}  // namespace keldra::headless
