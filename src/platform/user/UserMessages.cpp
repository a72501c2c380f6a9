// Sending, posting and retrieving messages, and translating keys into characters.
#include "platform/user/User.h"
#include "platform/user/windows/UserState.h"

using keldra::platform::user::CurrentWindows;
using keldra::platform::user::FindWindowOf;
using keldra::platform::user::WindowManager;

namespace {

// The character a key makes, or 0 for none.
WPARAM CharacterOf(WPARAM vk, bool shift) {
    switch (vk) {
        case VK_RETURN:
            return L'\r';
        case VK_ESCAPE:
            return 0x1B;
        case VK_TAB:
            return L'\t';
        case VK_BACK:
            return L'\b';
        case VK_SPACE:
            return L' ';
        case VK_ADD:
            return L'+';
        case VK_SUBTRACT:
            return L'-';
        case VK_OEM_PLUS:  // the '=' key, '+' with Shift
            return shift ? L'+' : L'=';
        case VK_OEM_MINUS:
            return shift ? L'_' : L'-';
        default:
            break;
    }
    if (vk >= '0' && vk <= '9') return vk;
    if (vk >= 'A' && vk <= 'Z') return shift ? vk : vk - 'A' + 'a';
    return 0;
}

}  // namespace

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CurrentWindows().Send(window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CurrentWindows().Post(window, message, wParam, lParam) ? TRUE : FALSE;
}

void PostQuitMessage(int exitCode) {
    CurrentWindows().Queue().PostQuit(exitCode);
}

// Returns -1 when the host can deliver nothing more, where the platform would wait forever.
BOOL GetMessageW(LPMSG message, HWND, UINT, UINT) {
    if (message == nullptr) return -1;
    const auto next = CurrentWindows().NextMessage(true, true);
    if (!next) return -1;
    *message = *next;
    return next->message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessageW(LPMSG message, HWND, UINT, UINT, UINT remove) {
    if (message == nullptr) return FALSE;
    const auto next = CurrentWindows().NextMessage((remove & PM_REMOVE) != 0, false);
    if (!next) return FALSE;
    *message = *next;
    return TRUE;
}

BOOL TranslateMessage(const MSG* message) {
    if (message == nullptr || message->message != WM_KEYDOWN) return FALSE;
    const bool shift = CurrentWindows().Input().IsKeyDown(VK_SHIFT);
    const WPARAM character = CharacterOf(message->wParam, shift);
    if (character == 0) return FALSE;
    if (!IsWindow(message->hwnd)) return FALSE;
    MSG translated = *message;
    translated.message = WM_CHAR;
    translated.wParam = character;
    CurrentWindows().Queue().PostNext(translated);
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* message) {
    return message != nullptr ? CurrentWindows().Dispatch(*message) : 0;
}

LRESULT CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    return procedure != nullptr ? procedure(window, message, wParam, lParam) : 0;
}
