// The functions that message-table entries call: each unpacks a message into the
// parameters of one handler signature and calls the member function it was made from.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CPoint.h"

class CWnd;
class CDC;
class CScrollBar;

namespace afx {

template <typename Member>
struct MemberTraits;
template <typename C, typename R, typename... Args>
struct MemberTraits<R (C::*)(Args...)> {
    using Class = C;
};

template <auto Member>
auto* Target(CWnd* window) {
    return static_cast<typename MemberTraits<decltype(Member)>::Class*>(window);
}

// Helpers defined with CWnd and CDC, so that this header needs neither in full.
CDC* AttachDc(WPARAM dc);
void DetachDc(CDC* dc);
CWnd* WindowFrom(LPARAM handle);
CScrollBar* ScrollBarFrom(LPARAM handle);
void ReleaseScrollBar(CScrollBar* bar);

template <auto Member>
LRESULT VoidHandler(CWnd* window, UINT, WPARAM, LPARAM) {
    (Target<Member>(window)->*Member)();
    return 0;
}

template <auto Member>
LRESULT OnPaintHandler(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam) {
    return VoidHandler<Member>(window, message, wParam, lParam);
}

template <auto Member>
LRESULT HandleHandler(CWnd* window, UINT, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((Target<Member>(window)->*Member)());
}

template <auto Member>
LRESULT OnEraseBkgndHandler(CWnd* window, UINT, WPARAM wParam, LPARAM) {
    CDC* dc = AttachDc(wParam);
    const BOOL erased = (Target<Member>(window)->*Member)(dc);
    DetachDc(dc);
    return erased;
}

template <auto Member>
LRESULT OnCtlColorHandler(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDC* dc = AttachDc(wParam);
    const HBRUSH brush =
        (Target<Member>(window)->*Member)(dc, WindowFrom(lParam), message - WM_CTLCOLORMSGBOX);
    DetachDc(dc);
    return reinterpret_cast<LRESULT>(brush);
}

template <auto Member>
LRESULT MouseHandler(CWnd* window, UINT, WPARAM wParam, LPARAM lParam) {
    (Target<Member>(window)->*Member)(static_cast<UINT>(wParam), CPoint(lParam));
    return 0;
}

template <auto Member>
LRESULT KeyHandler(CWnd* window, UINT, WPARAM wParam, LPARAM lParam) {
    (Target<Member>(window)->*Member)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    return 0;
}

template <auto Member>
LRESULT OnTimerHandler(CWnd* window, UINT, WPARAM wParam, LPARAM) {
    (Target<Member>(window)->*Member)(static_cast<UINT_PTR>(wParam));
    return 0;
}

template <auto Member>
LRESULT OnHScrollHandler(CWnd* window, UINT, WPARAM wParam, LPARAM lParam) {
    CScrollBar* bar = ScrollBarFrom(lParam);
    (Target<Member>(window)->*Member)(LOWORD(wParam), HIWORD(wParam), bar);
    ReleaseScrollBar(bar);
    return 0;
}

template <auto Member>
LRESULT OnDrawItemHandler(CWnd* window, UINT, WPARAM wParam, LPARAM lParam) {
    (Target<Member>(window)->*Member)(static_cast<int>(wParam),
                                      reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}

template <auto Member>
LRESULT RawHandler(CWnd* window, UINT, WPARAM wParam, LPARAM lParam) {
    return (Target<Member>(window)->*Member)(wParam, lParam);
}

template <auto Member>
LRESULT CommandHandler(CWnd* window, UINT, WPARAM, LPARAM) {
    (Target<Member>(window)->*Member)();
    return 0;
}

}  // namespace afx
