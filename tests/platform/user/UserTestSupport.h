// A headless host and recording test windows for the window-layer tests. Each test has a
// platform session and a host of its own; the test's windows and classes end with them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/headless/HeadlessHost.h"
#include "platform/session/Session.h"

namespace keldra::platform::user::testing {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What a test window does beyond recording: the colour it paints and erases with (none:
// default processing) and an optional handler that may answer a message itself.
struct Behaviour {
    std::optional<COLORREF> fill;
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> handler;
};

class UserTest : public ::testing::Test {
  protected:
    static constexpr const wchar_t* kClass = L"KeldraTestWindow";

    UserTest();
    ~UserTest() override;

    HWND MakeTopLevel(RECT rect, DWORD style = WS_POPUP | WS_VISIBLE, HWND owner = nullptr);
    HWND MakeChild(HWND parent, int id, RECT rect, DWORD style = WS_CHILD | WS_VISIBLE,
                   DWORD exStyle = 0);
    Behaviour& BehaviourOf(HWND window) { return behaviours_[window]; }

    // The messages of the given kinds, in order, since the last ClearLog().
    std::vector<Received> Log(std::initializer_list<UINT> kinds = {}) const;
    std::vector<UINT> Messages(HWND window, std::initializer_list<UINT> kinds) const;
    std::size_t Count(HWND window, UINT message) const;
    void ClearLog() { log_.clear(); }

    // First, so that it ends last: the test's windows go with it.
    Session session_;
    host::HeadlessHost host_;
    // Consulted for every test window after its own behaviour.
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> anyWindow_;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    static UserTest* current_;
    std::vector<Received> log_;
    std::map<HWND, Behaviour> behaviours_;
};

// RECT from position and size.
inline RECT At(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

}  // namespace keldra::platform::user::testing
