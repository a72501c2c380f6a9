#include "EditorTestSupport.h"

#include <unistd.h>

#include <filesystem>

#include "platform/user/windows/WindowManager.h"

CConfigApp theApp;

namespace keldra::app::testing {

EditorTest::EditorTest() : previousFolder_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(folder_.Path());  // the editor works in the current folder
    session_.Windows().SetHost(&host_);
}

EditorTest::~EditorTest() {
    std::filesystem::current_path(previousFolder_);
}

INT_PTR EditorTest::RunEditor() {
    // A run before this one in the same process leaves its quit request behind.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    AfxWinMain();
    stepsLeftByRuns_ = host_.PendingSteps();
    if (stepsLeftByRuns_ > 0) {
        ADD_FAILURE() << stepsLeftByRuns_
                      << " queued step(s) did not run: the editor's run ended before them";
    }
    return theApp.ModalResult();
}

void EditorTest::TearDown() {
    const std::size_t left = host_.PendingSteps();
    if (left > stepsLeftByRuns_) {
        ADD_FAILURE() << left - stepsLeftByRuns_
                      << " queued step(s) never ran: no RunEditor() came after them";
    }
}

CConfigDlg& EditorTest::Main() const {
    auto* dialog = dynamic_cast<CConfigDlg*>(AfxGetMainWnd());
    if (dialog == nullptr) throw std::runtime_error("the editor's main window is not there");
    return *dialog;
}

std::wstring EditorTest::TextOf(HWND window) const {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

POINT EditorTest::ScreenOf(int x, int y) const {
    POINT point{x, y};
    ClientToScreen(MainWindow(), &point);
    return point;
}

void EditorTest::ClickAt(int x, int y) {
    const POINT p = ScreenOf(x, y);
    host_.Click({p.x, p.y});
}

COLORREF BitmapPixel(int id, int x, int y) {
    HBITMAP bitmap = LoadBitmap(nullptr, MAKEINTRESOURCE(id));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    BITMAP size{};
    GetObject(bitmap, sizeof size, &size);
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.bmWidth) *
                                      static_cast<std::size_t>(size.bmHeight));
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.bmHeight), pixels.data(), &info,
              DIB_RGB_COLORS);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    const std::uint32_t p =
        pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.bmWidth) +
               static_cast<std::size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace keldra::app::testing
