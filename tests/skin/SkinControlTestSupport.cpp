#include "skin/SkinControlTestSupport.h"

#include <cstdlib>
#include <map>

#include "platform/user/windows/WindowManager.h"
#include "support/DialogTemplateBytes.h"

namespace keldra::skin::testing {

namespace {

using platform::user::DialogItemTemplate;
using platform::user::DialogTemplate;

constexpr const wchar_t* kPanelClass = L"KeldraSkinTestPanel";

// A plain container that passes its children's colour requests on to its parent, as a
// group of controls inside a skinned window would.
LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC)
        return SendMessageW(GetParent(window), message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

DialogItemTemplate Item(int id, const wchar_t* className, const wchar_t* text, DWORD style, short x,
                        short y, short cx, short cy) {
    return {static_cast<WORD>(id), className, text, WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy};
}

// 280 x 320 dialog units make the 420 x 520 pixels of a page background.
DialogTemplate SkinLayout() {
    DialogTemplate layout;
    layout.style = WS_POPUP | WS_VISIBLE;
    layout.x = 20;
    layout.y = 30;
    layout.cx = 280;
    layout.cy = 320;
    layout.items = {
        Item(kLabel, L"Static", L"Glow level", SS_LEFT, 27, 133, 87, 8),
        Item(kCheck, L"Button", L"Shadows", BS_AUTOCHECKBOX | WS_TABSTOP, 27, 100, 80, 10),
        Item(kPanel, kPanelClass, L"", 0, 140, 180, 100, 40),
        Item(kButton, L"Button", L"", BS_OWNERDRAW | WS_TABSTOP, 0, 0, 10, 10),
        Item(kSlider, TRACKBAR_CLASSW, L"", TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 27, 146, 108, 15),
        Item(kPlainSlider, TRACKBAR_CLASSW, L"", TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 141, 146, 108,
             15),
    };
    return layout;
}

// A page-sized child dialog, placed away from its parent's corner by its layout.
DialogTemplate PageLayout() {
    DialogTemplate layout;
    layout.style = WS_CHILD | WS_VISIBLE | DS_CONTROL;
    layout.x = 10;
    layout.y = 20;
    layout.cx = 100;
    layout.cy = 60;
    return layout;
}

}  // namespace

BEGIN_MESSAGE_MAP(SkinnedTestDialog, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL SkinnedTestDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SkinnedSurface::SetUp(*this, m_bmpBack, m_brBack, bitmapId_, placement_);
    if (GetDlgItem(kButton) != nullptr) {
        m_button.SetWindowText(L"Graphic");
        m_button.SetSkin(30, 60, 161, 162, 163);
        m_slider.LoadSkinBitmaps(159, 160);
        m_slider.InitRange(0, 4100, FALSE);
        m_plainSlider.SetRange(0, 4100);
        // The nested label sits 10 x 6 pixels into its panel.
        HWND nested = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 10, 6, 80, 20,
                                      GetDlgItem(kPanel)->m_hWnd,
                                      reinterpret_cast<HMENU>(kNestedLabel), nullptr, nullptr);
        m_nestedLabel.SubclassWindow(nested);
    }
    return TRUE;
}

void SkinnedTestDialog::DoDataExchange(CDataExchange* dx) {
    if (GetDlgItem(kButton) == nullptr) return;
    DDX_Control(dx, kButton, m_button);
    DDX_Control(dx, kSlider, m_slider);
    DDX_Control(dx, kPlainSlider, m_plainSlider);
    DDX_Control(dx, kLabel, m_label);
    DDX_Control(dx, kCheck, m_check);
}

BOOL SkinnedTestDialog::OnEraseBkgnd(CDC* dc) {
    return SkinnedSurface::EraseBackground(*this, dc, m_bmpBack);
}

HBRUSH SkinnedTestDialog::OnCtlColor(CDC* dc, CWnd* child, UINT kind) {
    const HBRUSH defaultBrush = CDialog::OnCtlColor(dc, child, kind);
    return SkinnedSurface::ControlColour(*this, dc, child, kind, defaultBrush, m_brBack);
}

void SkinnedTestDialog::OnDestroy() {
    CDialog::OnDestroy();
    SkinnedSurface::Destroy(m_brBack);
}

namespace {

std::vector<std::uint8_t> TemplateOf(const DialogTemplate& layout) {
    const keldra::testing::DialogTemplateBytes bytes(layout);
    return {bytes.Bytes().begin(), bytes.Bytes().end()};
}

}  // namespace

SkinControlTest::SkinControlTest()
    : skinLayout_(RT_DIALOG, kSkinLayout, TemplateOf(SkinLayout())),
      pageLayout_(RT_DIALOG, kPageLayout, TemplateOf(PageLayout())) {
    session_.Windows().SetHost(&host_);
    InitCommonControls();
    WNDCLASSW panel{};
    panel.lpfnWndProc = &PanelProcedure;
    panel.lpszClassName = kPanelClass;
    RegisterClassW(&panel);
}

SkinControlTest::~SkinControlTest() = default;

void SkinControlTest::Open(SkinnedTestDialog& dialog) {
    ASSERT_TRUE(dialog.Create(kSkinLayout, nullptr));
    topLevel_ = dialog.m_hWnd;
    Settle();
}

POINT SkinControlTest::InTopLevel(const CWnd& window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window.m_hWnd, &point);
    HWND top = window.m_hWnd;
    while ((GetWindowLongPtrW(top, GWL_STYLE) & WS_CHILD) != 0) top = ::GetParent(top);
    RECT frame;
    ::GetWindowRect(top, &frame);
    return {point.x - frame.left, point.y - frame.top};
}

void SkinControlTest::MoveTo(const CWnd& window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window.m_hWnd, &point);
    host_.MoveMouse({point.x, point.y});
    Settle();
}

void SkinControlTest::MoveOutside() {
    host_.MoveMouse({1900, 1060});
    Settle();
}

void SkinControlTest::Press(const CWnd& window, int x, int y) {
    MoveTo(window, x, y);
    host_.PressLeft();
    Settle();
}

void SkinControlTest::Release() {
    host_.ReleaseLeft();
    Settle();
}

void SkinControlTest::Wait(std::uint64_t milliseconds) {
    host_.AdvanceTime(milliseconds);
    Settle();
}

COLORREF SkinControlTest::Pixel(const CWnd& window, int x, int y) const {
    const POINT at = InTopLevel(window, x, y);
    return host_.PixelAt(topLevel_, at.x, at.y);
}

std::vector<COLORREF> SkinControlTest::Picture(const CWnd& window) const {
    RECT client;
    ::GetClientRect(window.m_hWnd, &client);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) pixels.push_back(Pixel(window, x, y));
    return pixels;
}

// Read at 32 bits per pixel, so that no width loses columns.
std::vector<COLORREF> BitmapPixels(HBITMAP bitmap, int& width, int& height) {
    BITMAP info{};
    GetObject(bitmap, sizeof info, &info);
    width = info.bmWidth;
    height = info.bmHeight;
    std::vector<BYTE> bytes(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetWindowDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bytes.data(), &format,
                               DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    if (rows != height) return pixels;
    for (std::size_t i = 0; i < bytes.size(); i += 4)
        pixels.push_back(RGB(bytes[i + 2], bytes[i + 1], bytes[i]));
    return pixels;
}

COLORREF BitmapPixel(UINT bitmapId, int x, int y) {
    static std::map<UINT, std::pair<int, std::vector<COLORREF>>> cache;
    auto found = cache.find(bitmapId);
    if (found == cache.end()) {
        CBitmap bitmap;
        bitmap.LoadBitmap(bitmapId);
        int width = 0;
        int height = 0;
        auto pixels = BitmapPixels(bitmap, width, height);
        found = cache.emplace(bitmapId, std::make_pair(width, std::move(pixels))).first;
    }
    const auto& [width, pixels] = found->second;
    return pixels.at(static_cast<std::size_t>(y * width + x));
}

std::string SnapshotDirectory() {
    const char* directory = std::getenv("KELDRA_SKIN_SNAPSHOTS");
    return directory != nullptr ? directory : "";
}

}  // namespace keldra::skin::testing
