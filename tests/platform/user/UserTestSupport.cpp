#include "user/UserTestSupport.h"

#include <algorithm>

namespace keldra::platform::user::testing {

UserTest* UserTest::current_ = nullptr;

UserTest::UserTest() {
    current_ = this;
    session_.Windows().SetHost(&host_);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &UserTest::Procedure;
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass);
}

UserTest::~UserTest() {
    current_ = nullptr;
}

HWND UserTest::MakeTopLevel(RECT rect, DWORD style, HWND owner) {
    return CreateWindowExW(0, kClass, L"top", style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, owner, nullptr, nullptr, nullptr);
}

HWND UserTest::MakeChild(HWND parent, int id, RECT rect, DWORD style, DWORD exStyle) {
    return CreateWindowExW(exStyle, kClass, L"child", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr,
                           nullptr);
}

std::vector<Received> UserTest::Log(std::initializer_list<UINT> kinds) const {
    std::vector<Received> picked;
    for (const Received& r : log_) {
        if (kinds.size() == 0 || std::ranges::find(kinds, r.message) != kinds.end()) {
            picked.push_back(r);
        }
    }
    return picked;
}

std::vector<UINT> UserTest::Messages(HWND window, std::initializer_list<UINT> kinds) const {
    std::vector<UINT> picked;
    for (const Received& r : Log(kinds)) {
        if (r.window == window) picked.push_back(r.message);
    }
    return picked;
}

std::size_t UserTest::Count(HWND window, UINT message) const {
    return Messages(window, {message}).size();
}

LRESULT CALLBACK UserTest::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return current_->Handle(window, message, wParam, lParam);
}

LRESULT UserTest::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    log_.push_back({window, message, wParam, lParam});
    const auto found = behaviours_.find(window);
    if (found != behaviours_.end()) {
        const Behaviour& behaviour = found->second;
        if (behaviour.handler) {
            if (auto answer = behaviour.handler(window, message, wParam, lParam)) return *answer;
        }
        if (behaviour.fill && message == WM_ERASEBKGND) {
            RECT client;
            GetClientRect(window, &client);
            HBRUSH brush = CreateSolidBrush(*behaviour.fill);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            DeleteObject(brush);
            return 1;
        }
    }
    if (anyWindow_) {
        if (auto answer = anyWindow_(window, message, wParam, lParam)) return *answer;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace keldra::platform::user::testing
