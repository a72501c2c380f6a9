// The least a Windows program can do to show one 456 x 653 dialog: the yardstick for the
// editor's own time from start to a window on the screen under Wine.
#include <windows.h>

#include <cstdint>

namespace {

// A dialog template with no controls: DLGTEMPLATE, then empty menu, class and title arrays,
// each aligned to a WORD as the template format requires.
struct EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    WORD title;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            // The template counts in dialog units; the yardstick is the editor's size in pixels.
            SetWindowPos(dialog, nullptr, 0, 0, 456, 653, SWP_NOMOVE | SWP_NOZORDER);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    EmptyDialogTemplate dialog{};
    dialog.header.style = WS_POPUP | WS_SYSMENU | DS_CENTER;
    dialog.header.cx = 300;
    dialog.header.cy = 400;
    return static_cast<int>(
        DialogBoxIndirectParamW(instance, &dialog.header, nullptr, DialogProc, 0));
}
