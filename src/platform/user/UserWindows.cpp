// Window classes, window creation and destruction, the tree, styles, ids and text.
#include <algorithm>
#include <cwchar>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/user/User.h"
#include "platform/user/windows/UserState.h"

using keldra::platform::user::CurrentWindows;
using keldra::platform::user::FindWindowOf;
using keldra::platform::user::Window;
using keldra::platform::user::WindowManager;

namespace {

Window* Find(HWND window) {
    return FindWindowOf(window);
}

std::wstring ClassName(LPCWSTR name) {
    if (name == nullptr) return {};
    if (name == WC_DIALOG) return L"#32770";
    if (IS_INTRESOURCE(name)) return {};
    return name;
}

}  // namespace

ATOM RegisterClassW(const WNDCLASSW* windowClass) {
    if (windowClass == nullptr) return 0;
    keldra::platform::user::WindowClass description;
    description.name = ClassName(windowClass->lpszClassName);
    description.style = windowClass->style;
    description.procedure = windowClass->lpfnWndProc;
    description.windowExtraBytes = windowClass->cbWndExtra;
    description.background = windowClass->hbrBackground;
    description.icon = windowClass->hIcon;
    static ATOM nextAtom = 0xC000;
    return CurrentWindows().Classes().Register(std::move(description)) ? nextAtom++ : 0;
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
    return CurrentWindows().Classes().Unregister(ClassName(className)) ? TRUE : FALSE;
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE,
                     LPVOID param) {
    keldra::platform::user::CreateParams params;
    params.exStyle = exStyle;
    params.className = ClassName(className);
    params.text = windowName != nullptr ? windowName : L"";
    params.style = style;
    params.rect = keldra::platform::gdi::Rect::FromSize(x, y, width, height);
    params.parent = parent;
    params.id = static_cast<int>(reinterpret_cast<std::intptr_t>(menu));
    params.createParam = param;
    return CurrentWindows().Create(params);
}

BOOL DestroyWindow(HWND window) {
    if (Find(window) == nullptr) return FALSE;
    return CurrentWindows().Destroy(window) ? TRUE : FALSE;
}

BOOL IsWindow(HWND window) {
    return Find(window) != nullptr ? TRUE : FALSE;
}

HWND GetParent(HWND window) {
    const Window* w = Find(window);
    if (w == nullptr) return nullptr;
    return w->IsChild() ? w->Parent() : w->Owner();
}

HWND GetWindow(HWND window, UINT relation) {
    const Window* w = Find(window);
    if (w == nullptr) return nullptr;
    if (relation == GW_CHILD) return w->Children().empty() ? nullptr : w->Children().front();
    if (relation == GW_OWNER) return w->IsChild() ? nullptr : w->Owner();
    const Window* parent = Find(w->Parent());
    const std::vector<HWND>& siblings =
        w->IsChild() && parent != nullptr ? parent->Children() : CurrentWindows().TopLevels();
    const auto at = std::ranges::find(siblings, window);
    if (relation == GW_HWNDNEXT && at != siblings.end() && at + 1 != siblings.end())
        return *(at + 1);
    if (relation == GW_HWNDPREV && at != siblings.end() && at != siblings.begin()) return *(at - 1);
    return nullptr;
}

BOOL IsChild(HWND parent, HWND window) {
    return CurrentWindows().IsAncestor(parent, window) ? TRUE : FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
    const Window* w = Find(dialog);
    if (w == nullptr) return nullptr;
    for (HWND child : w->Children()) {
        if (const Window* c = Find(child); c != nullptr && c->Id() == id) return child;
    }
    return nullptr;
}

int GetClassNameW(HWND window, LPWSTR buffer, int size) {
    const Window* w = Find(window);
    if (w == nullptr || buffer == nullptr || size <= 0) return 0;
    const std::wstring& name = w->Class().name;
    const int copied = std::min(static_cast<int>(name.size()), size - 1);
    std::wmemcpy(buffer, name.c_str(), static_cast<std::size_t>(copied));
    buffer[copied] = L'\0';
    return copied;
}

int GetDlgCtrlID(HWND window) {
    const Window* w = Find(window);
    return w != nullptr && w->IsChild() ? w->Id() : 0;
}

LONG_PTR GetWindowLongPtrW(HWND window, int index) {
    Window* w = Find(window);
    if (w == nullptr) return 0;
    switch (index) {
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->Procedure());
        case GWLP_ID:
            return w->Id();
        case GWL_STYLE:
            return static_cast<LONG_PTR>(w->Style());
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(w->ExStyle());
        case GWLP_USERDATA:
            return w->UserData();
        default: {
            const LONG_PTR* slot = w->ExtraSlot(index);
            return slot != nullptr ? *slot : 0;
        }
    }
}

LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
    Window* w = Find(window);
    if (w == nullptr) return 0;
    LONG_PTR previous = GetWindowLongPtrW(window, index);
    switch (index) {
        case GWLP_WNDPROC:
            if (value == 0) return 0;
            w->SetProcedure(reinterpret_cast<WNDPROC>(value));
            break;
        case GWLP_ID:
            w->SetId(static_cast<int>(value));
            break;
        case GWL_STYLE:
            // Visibility changes only through ShowWindow, which also repaints.
            w->SetStyle((static_cast<DWORD>(value) & ~static_cast<DWORD>(WS_VISIBLE)) |
                        (w->Style() & WS_VISIBLE));
            break;
        case GWL_EXSTYLE:
            w->SetExStyle(static_cast<DWORD>(value));
            break;
        case GWLP_USERDATA:
            w->SetUserData(value);
            break;
        default:
            if (LONG_PTR* slot = w->ExtraSlot(index)) {
                *slot = value;
            } else {
                previous = 0;
            }
            break;
    }
    return previous;
}

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
    if (Find(window) == nullptr) return FALSE;
    return SendMessageW(window, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text != nullptr ? text : L""))
               ? TRUE
               : FALSE;
}

int GetWindowTextW(HWND window, LPWSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = L'\0';
    return static_cast<int>(SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND window) {
    return static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
}

BOOL EnableWindow(HWND window, BOOL enable) {
    Window* w = Find(window);
    if (w == nullptr) return FALSE;
    const BOOL wasDisabled = w->IsEnabledFlag() ? FALSE : TRUE;
    if ((enable != FALSE) == w->IsEnabledFlag()) return wasDisabled;
    w->SetEnabledFlag(enable != FALSE);
    if (!enable) {
        if (CurrentWindows().Focus() == window) CurrentWindows().SetFocus(nullptr);
        if (CurrentWindows().Capture() == window) CurrentWindows().ReleaseCapture();
    }
    SendMessageW(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) {
    const Window* w = Find(window);
    return w != nullptr && w->IsEnabledFlag() ? TRUE : FALSE;
}
