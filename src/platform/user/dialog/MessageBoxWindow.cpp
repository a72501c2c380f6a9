#include "platform/user/dialog/MessageBoxWindow.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/user/User.h"
#include "platform/user/windows/UserState.h"
#include "platform/user/windows/WindowManager.h"

namespace keldra::platform::user {

namespace {

constexpr const wchar_t* kClassName = L"KeldraMessageBox";
constexpr int kMargin = 12;
constexpr int kTitleHeight = 24;
constexpr int kMarkSide = 32;
constexpr int kMaxTextWidth = 360;
constexpr int kMinWidth = 200;
constexpr SIZE kButton{75, 23};
constexpr COLORREF kTitleColour = RGB(0, 84, 153);
constexpr COLORREF kMarkColour = RGB(196, 43, 28);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

void Fill(HDC dc, const gdi::Rect& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT rect{area.left, area.top, area.right, area.bottom};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void Write(HDC dc, const std::wstring& text, const gdi::Rect& area, COLORREF colour, UINT format) {
    RECT rect{area.left, area.top, area.right, area.bottom};
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_NOPREFIX);
}

gdi::Rect TextExtent(const std::wstring& text, int maxWidth, UINT format) {
    HDC dc = CreateCompatibleDC(nullptr);
    RECT rect{0, 0, maxWidth, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
    DeleteDC(dc);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

int MessageBoxWindow::Run(HWND owner, std::wstring text, std::wstring caption, UINT type) {
    EnsureClass();
    while (owner != nullptr && (GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD)) {
        owner = GetParent(owner);
    }
    State state;
    state.text = std::move(text);
    state.caption = std::move(caption);
    state.error = (type & MB_ICONERROR) != 0;
    state.layout = Measure(state);
    const gdi::Rect place = CentreOn(owner, state.layout.window);
    const HWND box =
        CreateWindowExW(0, kClassName, state.caption.c_str(), WS_POPUP, place.left, place.top,
                        place.Width(), place.Height(), owner, nullptr, nullptr, &state);
    if (box == nullptr) return 0;
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    ShowWindow(box, SW_SHOW);
    SetFocus(box);
    PumpUntilClosed(state);
    if (disableOwner) EnableWindow(owner, TRUE);
    DestroyWindow(box);
    // The owner takes the keyboard back, with the focus it had before the box.
    if (owner != nullptr) SetActiveWindow(owner);
    return IDOK;
}

void MessageBoxWindow::PumpUntilClosed(const State& state) {
    MSG message{};
    while (!state.closed) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
        if (got <= 0) return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

MessageBoxWindow::Layout MessageBoxWindow::Measure(const State& state) {
    Layout layout;
    const int textLeft = kMargin + (state.error ? kMarkSide + kMargin : 0);
    const int top = kTitleHeight + kMargin;
    const gdi::Rect text = TextExtent(state.text, kMaxTextWidth, DT_WORDBREAK);
    const gdi::Rect title = TextExtent(state.caption, 10000, DT_SINGLELINE);
    const int width = std::max({textLeft + text.Width() + kMargin, title.Width() + 2 * kMargin,
                                static_cast<int>(kButton.cx) + 2 * kMargin, kMinWidth});
    const int bodyHeight = std::max(text.Height(), state.error ? kMarkSide : 0);
    const int buttonTop = top + bodyHeight + kMargin;
    layout.window = {0, 0, width, buttonTop + kButton.cy + kMargin};
    layout.title = {0, 0, width, kTitleHeight};
    layout.mark = gdi::Rect::FromSize(kMargin, top, kMarkSide, kMarkSide);
    layout.text = gdi::Rect::FromSize(textLeft, top, width - textLeft - kMargin, text.Height());
    layout.button =
        gdi::Rect::FromSize((width - kButton.cx) / 2, buttonTop, kButton.cx, kButton.cy);
    return layout;
}

gdi::Rect MessageBoxWindow::CentreOn(HWND owner, const gdi::Rect& size) {
    RECT around{0, 0, 0, 0};
    if (owner == nullptr || !GetWindowRect(owner, &around)) {
        const gdi::Rect screen = CurrentWindows().ScreenRect();
        around = {screen.left, screen.top, screen.right, screen.bottom};
    }
    const int left = (around.left + around.right - size.Width()) / 2;
    const int top = (around.top + around.bottom - size.Height()) / 2;
    return gdi::Rect::FromSize(left, top, size.Width(), size.Height());
}

void MessageBoxWindow::EnsureClass() {
    // Once per session: the classes end with it.
    if (CurrentWindows().Classes().Find(kClassName) != nullptr) return;
    WNDCLASSW boxClass{};
    boxClass.lpfnWndProc = &MessageBoxWindow::Procedure;
    boxClass.hbrBackground =
        reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1));
    boxClass.lpszClassName = kClassName;
    RegisterClassW(&boxClass);
}

LRESULT CALLBACK MessageBoxWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    const gdi::Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_PAINT:
            Paint(window, *state);
            return 0;
        case WM_LBUTTONDOWN:
            state->buttonHeld = state->layout.button.Contains(at);
            if (state->buttonHeld) SetCapture(window);
            return 0;
        case WM_LBUTTONUP:
            if (state->buttonHeld) ReleaseCapture();
            state->closed =
                state->closed || (state->buttonHeld && state->layout.button.Contains(at));
            state->buttonHeld = false;
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_SPACE)
                state->closed = true;
            return 0;
        case WM_CLOSE:
            state->closed = true;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void MessageBoxWindow::Paint(HWND window, const State& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const Layout& layout = state.layout;
    Fill(dc, layout.title, kTitleColour);
    Write(dc, state.caption, layout.title.Offset(kMargin, 0), kWhite, DT_SINGLELINE | DT_VCENTER);
    if (state.error) {
        Fill(dc, layout.mark, kMarkColour);
        Write(dc, L"X", layout.mark, kWhite, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    Write(dc, state.text, layout.text, kBlack, DT_WORDBREAK);
    Fill(dc, layout.button, kBlack);
    Fill(dc,
         {layout.button.left + 1, layout.button.top + 1, layout.button.right - 1,
          layout.button.bottom - 1},
         GetSysColor(COLOR_BTNFACE));
    Write(dc, L"OK", layout.button, kBlack, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EndPaint(window, &paint);
}

}  // namespace keldra::platform::user

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    return keldra::platform::user::MessageBoxWindow::Run(
        owner, text != nullptr ? text : L"", caption != nullptr ? caption : L"Error", type);
}
