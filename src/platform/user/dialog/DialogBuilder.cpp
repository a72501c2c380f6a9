#include "platform/user/dialog/DialogBuilder.h"

#include <algorithm>
#include <cwchar>

#include "platform/gdi/Gdi.h"
#include "platform/kernel/Trace.h"
#include "platform/user/User.h"
#include "platform/user/dialog/DialogData.h"
#include "platform/user/dialog/DialogUnits.h"
#include "platform/user/windows/UserState.h"
#include "platform/user/windows/WindowManager.h"

namespace keldra::platform::user {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kPixelsPerInch = 96;

HWND NoDialog(const char* reason) {
    if (Trace::On(TraceChannel::Create))
        Trace::Line(TraceChannel::Create, "dialog not created: %s", reason);
    return nullptr;
}

}  // namespace

HWND DialogBuilder::Build(const DialogTemplate& layout, HWND parent, DLGPROC procedure,
                          LPARAM param, bool show) {
    DialogData::EnsureClass();
    const bool child = (layout.style & WS_CHILD) != 0;
    if (child && !IsWindow(parent)) return NoDialog("a child dialog without a parent window");
    DWORD exStyle = layout.exStyle;
    // A dialog inside another one takes part in its parent's keyboard navigation.
    if (layout.style & DS_CONTROL) exStyle |= WS_EX_CONTROLPARENT;
    const gdi::Rect rect = PlaceDialog(layout, parent);
    // A template may name a window class of its own for the dialog.
    const LPCWSTR windowClass = layout.className.empty() ? WC_DIALOG : layout.className.c_str();
    const HWND dialog =
        CreateWindowExW(exStyle, windowClass, layout.caption.c_str(),
                        layout.style & ~static_cast<DWORD>(WS_VISIBLE), rect.left, rect.top,
                        rect.Width(), rect.Height(), parent, nullptr, nullptr, nullptr);
    if (dialog == nullptr) return NoDialog("its window could not be created");
    // As on the platform, the dialog procedure hears nothing of the window's creation; its
    // first messages are WM_SETFONT and WM_INITDIALOG.
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
    SetWindowLongPtrW(dialog, DialogData::kDefaultId, IDOK);
    const HFONT font = MakeFont(layout);
    SetWindowLongPtrW(dialog, DialogData::kFont, reinterpret_cast<LONG_PTR>(font));
    SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!MakeControls(layout, dialog, font)) {
        DestroyWindow(dialog);
        return NoDialog("one of its controls could not be created");
    }
    const HWND firstTab = GetNextDlgTabItem(dialog, nullptr, FALSE);
    const LRESULT focusAsked =
        SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTab), param);
    if (!IsWindow(dialog)) return NoDialog("it was destroyed in WM_INITDIALOG");
    if (focusAsked && firstTab != nullptr) SetFocus(firstTab);
    if (show && (layout.style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
    return dialog;
}

gdi::Rect DialogBuilder::PlaceDialog(const DialogTemplate& layout, HWND parent) {
    gdi::Rect rect = DialogUnits::ToPixels(layout.x, layout.y, layout.cx, layout.cy);
    if (layout.style & WS_CHILD) return rect;
    if (layout.style & DS_CENTER) {
        const gdi::Rect screen = CurrentWindows().ScreenRect();
        return gdi::Rect::FromSize(screen.left + (screen.Width() - rect.Width()) / 2,
                                   screen.top + (screen.Height() - rect.Height()) / 2, rect.Width(),
                                   rect.Height());
    }
    // A top-level dialog's position counts from its owner's client area.
    POINT origin{0, 0};
    if (parent != nullptr) ClientToScreen(parent, &origin);
    return rect.Offset(origin.x, origin.y);
}

HFONT DialogBuilder::MakeFont(const DialogTemplate& layout) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(layout.pointSize, kPixelsPerInch, kPointsPerInch);
    font.lfWeight = layout.fontWeight;
    font.lfItalic = layout.italic ? TRUE : FALSE;
    const std::size_t length = std::min<std::size_t>(layout.fontName.size(), LF_FACESIZE - 1);
    std::wmemcpy(font.lfFaceName, layout.fontName.c_str(), length);
    return CreateFontIndirectW(&font);
}

bool DialogBuilder::MakeControls(const DialogTemplate& layout, HWND dialog, HFONT font) {
    for (const DialogItemTemplate& item : layout.items) {
        const gdi::Rect rect = DialogUnits::ToPixels(item.x, item.y, item.cx, item.cy);
        const HWND control = CreateWindowExW(
            item.exStyle, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD,
            rect.left, rect.top, rect.Width(), rect.Height(), dialog,
            reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(item.id)), nullptr, nullptr);
        // As on the platform, a layout whose control cannot be made makes no dialog.
        if (control == nullptr) return false;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

}  // namespace keldra::platform::user
