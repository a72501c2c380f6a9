// Ties one C++ object to each window of a control class: made on WM_NCCREATE, kept in the
// window's first extra slot, deleted on WM_NCDESTROY. The class's window procedure is
// ControlProcedure<Control>; Control has a constructor (HWND, const CREATESTRUCTW&) and
// LRESULT Handle(UINT, WPARAM, LPARAM).
#pragma once

#include <windows.h>

#include <memory>

namespace keldra::platform::user::controls {

constexpr int kInstanceSlot = 0;

template <class Control>
LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(window, kInstanceSlot));
    if (control == nullptr && message == WM_NCCREATE) {
        auto made =
            std::make_unique<Control>(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
        control = made.get();
        // The window owns the object from here until WM_NCDESTROY.
        SetWindowLongPtrW(window, kInstanceSlot, reinterpret_cast<LONG_PTR>(made.release()));
    }
    if (control == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, kInstanceSlot, 0);
        const std::unique_ptr<Control> owned(control);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return control->Handle(message, wParam, lParam);
}

// Registers the class; a second call finds the name taken and changes nothing.
template <class Control>
void RegisterControlClass(LPCWSTR name) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &ControlProcedure<Control>;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

}  // namespace keldra::platform::user::controls
