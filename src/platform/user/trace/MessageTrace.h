// The window layer's lines in the developer's trace (see platform/kernel/Trace.h): which
// window, which message, which parameters and what came back. Callers test Trace::On first,
// so that nothing here runs while the trace is off.
#pragma once

#include <string>
#include <string_view>

#include "platform/kernel/Trace.h"
#include "platform/user/windows/Window.h"

namespace keldra::platform::user {

class MessageTrace {
  public:
    // "0x10008 Button #1012" for a window, "0x10008 (gone)" for a handle with none.
    static std::string Describe(HWND handle, const Window* window);
    // Class and resource names are plain ASCII in this program; anything else shows as '?'.
    static std::string Printable(std::wstring_view text);
    // "WM_COMMAND", "TBM_GETPOS" (to a trackbar) or "msg 0x0465".
    static std::string NameOf(UINT message, const Window* window);

    // verb: "send", "post", "dispatch".
    static void Message(const char* verb, HWND handle, const Window* window, UINT message,
                        WPARAM wParam, LPARAM lParam);
    static void Result(UINT message, const Window* window, LRESULT result);
    // verb: "invalidate", "begin paint", ...; the area in the window's coordinates.
    static void Paint(const char* verb, HWND handle, const Window* window, const Rect& area);
    static void CreateFailed(const std::wstring& className, const char* reason);
};

}  // namespace keldra::platform::user
