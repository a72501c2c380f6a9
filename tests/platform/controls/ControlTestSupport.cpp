#include "controls/ControlTestSupport.h"

#include <algorithm>

#include "platform/user/controls/StandardControls.h"

namespace keldra::platform::user::controls::testing {

namespace {

constexpr const wchar_t* kParentClass = L"KeldraControlsTestParent";

}  // namespace

ControlTest* ControlTest::current_ = nullptr;

ControlTest::ControlTest() : labelBrush_(CreateSolidBrush(kLabelBrushColour)) {
    current_ = this;
    session_.Windows().SetHost(&host_);
    RegisterStandardControlClasses();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &ControlTest::ParentProcedure;
    windowClass.lpszClassName = kParentClass;
    RegisterClassW(&windowClass);
    parent_ = CreateWindowExW(0, kParentClass, L"controls", WS_POPUP | WS_VISIBLE, kOrigin.x,
                              kOrigin.y, 420, 320, nullptr, nullptr, nullptr, nullptr);
    Settle();
}

ControlTest::~ControlTest() {
    current_ = nullptr;
}

HWND ControlTest::Make(LPCWSTR className, LPCWSTR text, DWORD style, RECT rect, int id,
                       DWORD exStyle) {
    HWND control =
        CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, rect.left,
                        rect.top, rect.right - rect.left, rect.bottom - rect.top, parent_,
                        reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

POINT ControlTest::ScreenPoint(HWND control, int x, int y) const {
    POINT point{x, y};
    ClientToScreen(control, &point);
    return point;
}

void ControlTest::MoveTo(HWND control, int x, int y) {
    const POINT point = ScreenPoint(control, x, y);
    host_.MoveMouse({point.x, point.y});
    Settle();
}

void ControlTest::Press(HWND control, int x, int y) {
    MoveTo(control, x, y);
    host_.PressLeft();
    Settle();
}

void ControlTest::Release(HWND control, int x, int y) {
    MoveTo(control, x, y);
    host_.ReleaseLeft();
    Settle();
}

void ControlTest::Click(HWND control, int x, int y) {
    Press(control, x, y);
    Release(control, x, y);
}

void ControlTest::Type(UINT vk) {
    host_.TypeKey(vk);
    Settle();
}

std::vector<Notice> ControlTest::Notices(UINT message) const {
    std::vector<Notice> picked;
    std::ranges::copy_if(notices_, std::back_inserter(picked),
                         [&](const Notice& n) { return message == 0 || n.message == message; });
    return picked;
}

std::vector<int> ControlTest::Codes(UINT message) const {
    std::vector<int> codes;
    for (const Notice& n : Notices(message)) codes.push_back(n.code);
    return codes;
}

int ControlTest::ColourRequests(HWND control) const {
    return static_cast<int>(std::ranges::count(colourRequests_, control));
}

COLORREF ControlTest::Pixel(HWND control, int x, int y) const {
    const POINT screen = ScreenPoint(control, x, y);
    const POINT top = ScreenPoint(parent_, 0, 0);
    return host_.PixelAt(parent_, screen.x - top.x, screen.y - top.y);
}

LRESULT CALLBACK ControlTest::ParentProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (current_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return current_->HandleParent(window, message, wParam, lParam);
}

LRESULT ControlTest::HandleParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool colours = message == WM_ERASEBKGND || message == WM_CTLCOLORSTATIC;
    if (classicLook_ && colours) {
        if (message == WM_ERASEBKGND) {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window, &client);
            HBRUSH brush = CreateSolidBrush(kParentColour);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            DeleteObject(brush);
            return 1;
        }
        case WM_CTLCOLORSTATIC:
            colourRequests_.push_back(reinterpret_cast<HWND>(lParam));
            SetTextColor(reinterpret_cast<HDC>(wParam), kLabelTextColour);
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(labelBrushOverride_ != nullptr ? labelBrushOverride_
                                                                            : labelBrush_);
        case WM_COMMAND:
            notices_.push_back(
                {message, HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam)});
            return 0;
        case WM_LBUTTONDOWN:
            notices_.push_back({message, 0, 0, window});
            return 0;
        case WM_HSCROLL:
            notices_.push_back({message, LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                                reinterpret_cast<HWND>(lParam)});
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            notices_.push_back({message, static_cast<int>(item->itemState),
                                static_cast<int>(item->itemAction), item->hwndItem});
            return TRUE;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace keldra::platform::user::controls::testing
