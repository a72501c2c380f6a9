// What the standard controls share around their text: the font a control draws with, the
// window text, and the brush its parent hands out for its background.
#pragma once

#include <windows.h>

#include <string>

namespace keldra::platform::user::controls {

// The font set with WM_SETFONT, or the dialog font when none was set.
HFONT FontOf(HWND window);
std::wstring TextOf(HWND window);
// Sends the control-colour message to the parent with the control's context; a parent that
// leaves it unanswered gets the default processing's answer, as the platform does.
HBRUSH ParentBrush(HWND control, HDC dc, UINT message);
// Sends a WM_COMMAND notification with the control's id to its parent.
void NotifyParent(HWND control, int code);

}  // namespace keldra::platform::user::controls
