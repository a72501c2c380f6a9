// The colours of the classic three-dimensional look, beside the face and text colours the
// window layer hands out.
#pragma once

#include <windows.h>

namespace keldra::platform::user::controls::classic {

inline COLORREF Face() {
    return GetSysColor(COLOR_BTNFACE);
}
inline COLORREF Text() {
    return GetSysColor(COLOR_BTNTEXT);
}
inline COLORREF Field() {
    return GetSysColor(COLOR_WINDOW);
}
constexpr COLORREF kHighlight = RGB(255, 255, 255);
constexpr COLORREF kLight = RGB(227, 227, 227);
constexpr COLORREF kShadow = RGB(160, 160, 160);
constexpr COLORREF kDarkShadow = RGB(105, 105, 105);
constexpr COLORREF kGrayText = RGB(109, 109, 109);
constexpr COLORREF kSelection = RGB(0, 120, 215);
constexpr COLORREF kSelectionText = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(0, 0, 0);

}  // namespace keldra::platform::user::controls::classic
