#include "StateReport.h"

#include <string_view>

namespace keldra::headless {

namespace {

constexpr const char* kPageNames[] = {"graphic", "interface", "sound"};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The value a player sets in a control: a tick, a slider position, a list choice.
bool ValueOf(HWND control, long& value) {
    const std::wstring kind = ClassOf(control);
    if (kind == L"Button") {
        if ((GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) return false;
        value = static_cast<long>(SendMessageW(control, BM_GETCHECK, 0, 0));
    } else if (kind == L"msctls_trackbar32") {
        value = static_cast<long>(SendMessageW(control, TBM_GETPOS, 0, 0));
    } else if (kind == L"ComboBox") {
        value = static_cast<long>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::string StateReport::PageControls(HWND page) {
    std::string json = "{";
    for (HWND control = page ? GetWindow(page, GW_CHILD) : nullptr; control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        long value = 0;
        if (!ValueOf(control, value)) continue;
        if (json.size() > 1) json += ",";
        json += "\"" + std::to_string(GetDlgCtrlID(control)) + "\":" + std::to_string(value);
    }
    return json + "}";
}

// Where the window stands, counted from its first top-left corner; nothing once it is gone.
std::string StateReport::WindowPlace(const StateInput& input, bool open) {
    if (!open) return "{\"x\":null,\"y\":null,\"minimized\":false}";
    RECT rect{};
    GetWindowRect(input.main, &rect);
    return "{\"x\":" + std::to_string(rect.left - input.origin.x) +
           ",\"y\":" + std::to_string(rect.top - input.origin.y) +
           ",\"minimized\":" + (IsIconic(input.main) ? "true" : "false") + "}";
}

std::string StateReport::VisiblePage(const StateInput& input) {
    for (int i = 0; i < 3; ++i) {
        if (input.pages[i] != nullptr && IsWindowVisible(input.pages[i]))
            return std::string("\"") + kPageNames[i] + "\"";
    }
    return "null";
}

std::string StateReport::Json(const StateInput& input) {
    const bool open = input.main != nullptr && IsWindow(input.main);
    std::string json = std::string("{\"open\":") + (open ? "true" : "false");
    json += ",\"result\":" +
            (input.result ? std::string("\"") + input.result + "\"" : std::string("null"));
    json += ",\"window\":" + WindowPlace(input, open);
    json += ",\"page\":" + (open ? VisiblePage(input) : std::string("null"));
    const HWND focus = open ? GetFocus() : nullptr;
    json += ",\"focus\":" +
            (focus != nullptr ? std::to_string(GetDlgCtrlID(focus)) : std::string("null"));
    for (int i = 0; i < 3; ++i) {
        json += std::string(",\"") + kPageNames[i] +
                "\":" + PageControls(open ? input.pages[i] : nullptr);
    }
    return json + "}";
}

}  // namespace keldra::headless
