#include "platform/user/trace/MessageTrace.h"

#include <cstdio>

#include "platform/user/trace/MessageNames.h"

namespace keldra::platform::user {

std::string MessageTrace::Printable(std::wstring_view text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text) narrow.push_back(c > 0 && c < 0x7F ? static_cast<char>(c) : '?');
    return narrow;
}

std::string MessageTrace::Describe(HWND handle, const Window* window) {
    char text[160];
    if (window == nullptr) {
        std::snprintf(text, sizeof text, "%p (gone)", static_cast<void*>(handle));
    } else {
        const std::string className = Printable(window->Class().name);
        if (window->IsChild()) {
            std::snprintf(text, sizeof text, "%p %s #%d", static_cast<void*>(handle),
                          className.c_str(), window->Id());
        } else {
            std::snprintf(text, sizeof text, "%p %s", static_cast<void*>(handle),
                          className.c_str());
        }
    }
    return text;
}

std::string MessageTrace::NameOf(UINT message, const Window* window) {
    const std::wstring_view className = window != nullptr ? window->Class().name : L"";
    if (const char* name = MessageName(message, className)) return name;
    char text[24];
    std::snprintf(text, sizeof text, "msg 0x%04X", message);
    return text;
}

void MessageTrace::Message(const char* verb, HWND handle, const Window* window, UINT message,
                           WPARAM wParam, LPARAM lParam) {
    Trace::Line(TraceChannel::Message, "%s %s %s wParam=0x%llX lParam=0x%llX", verb,
                Describe(handle, window).c_str(), NameOf(message, window).c_str(),
                static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam));
}

void MessageTrace::Result(UINT message, const Window* window, LRESULT result) {
    Trace::Line(TraceChannel::Message, "= %lld (%s)", static_cast<long long>(result),
                NameOf(message, window).c_str());
}

void MessageTrace::Paint(const char* verb, HWND handle, const Window* window, const Rect& area) {
    Trace::Line(TraceChannel::Paint, "%s %s (%d,%d)-(%d,%d)", verb,
                Describe(handle, window).c_str(), area.left, area.top, area.right, area.bottom);
}

void MessageTrace::CreateFailed(const std::wstring& className, const char* reason) {
    Trace::Line(TraceChannel::Create, "window of class \"%s\" not created: %s",
                Printable(className).c_str(), reason);
}

}  // namespace keldra::platform::user
