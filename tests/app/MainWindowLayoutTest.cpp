// The main window as a player sees it: a popup without title bar or frame, the size of its
// background picture, with eight owner-drawn buttons at their places and the three pages
// in the middle; each captioned button shows the text of its own caption key.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "EditorTestSupport.h"
#include "support/TempFolder.h"

namespace keldra::app::testing {
namespace {

constexpr DWORD kThickFrame = 0x00040000;  // kThickFrame, the Windows API value

struct Button {
    int id;
    RECT place;              // pixels in the main window's client area: left, top, right, bottom
    const char* captionKey;  // nullptr: the button shows its bitmaps only
};

// clang-format off
const Button kButtons[] = {                                 // x, y, width x height
    {1051, {30, 60, 130, 85},    "IDD_GRAPHIC_DIALOG"},     // 30, 60, 100 x 25
    {1052, {131, 60, 231, 85},   "IDD_SOUND_DIALOG"},       // 131, 60, 100 x 25
    {1053, {232, 60, 332, 85},   "IDD_INTERFACE_DIALOG"},   // 232, 60, 100 x 25
    {1000, {15, 610, 96, 641},   "IDC_DEF_BUTTON"},         // 15, 610, 81 x 31
    {1,    {277, 610, 358, 641}, "IDOK"},                   // 277, 610, 81 x 31
    {2,    {360, 610, 441, 641}, "IDCANCEL"},               // 360, 610, 81 x 31
    {1054, {390, 10, 416, 30},   nullptr},                  // 390, 10, 26 x 20
    {1055, {418, 10, 444, 30},   nullptr},                  // 418, 10, 26 x 20
};
// clang-format on

struct Window {
    std::wstring className;
    std::wstring text;
    RECT place;  // in the main window's client area
    DWORD style;
    DWORD exStyle;
    bool visible;
};

Window Read(HWND window, HWND main) {
    Window read{{}, {}, {}, 0, 0, false};
    wchar_t text[512] = {};
    GetClassNameW(window, text, 512);
    read.className = text;
    text[0] = L'\0';
    GetWindowTextW(window, text, 512);
    read.text = text;
    GetWindowRect(window, &read.place);
    ScreenToClient(main, reinterpret_cast<POINT*>(&read.place.left));
    ScreenToClient(main, reinterpret_cast<POINT*>(&read.place.right));
    read.style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    read.exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    read.visible = IsWindowVisible(window) != FALSE;
    return read;
}

std::string Describe(const RECT& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
}

std::wstring Wide(const char* ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

class MainWindowLayoutTest : public EditorTest {
  protected:
    MainWindowLayoutTest() {
        std::string captions = "[RES_TEXT]\r\nIDD_CONFIG_DIALOG=IDD_CONFIG_DIALOG!\r\n";
        for (const Button& button : kButtons) {
            if (button.captionKey == nullptr) continue;
            captions += std::string(button.captionKey) + "=" + button.captionKey + "!\r\n";
        }
        keldra::testing::WriteBytes(folder_ / "T_CONFIG.INI", captions);
    }

    // Starts the editor, runs the reading step while it waits for input, closes with Cancel.
    void ReadWhileOpen(std::function<void()> read) {
        bool done = false;
        Then([&] {
            read();
            done = true;
            ClickAt(360 + 40, 610 + 15);
        });
        EXPECT_EQ(RunEditor(), IDCANCEL);
        EXPECT_TRUE(done) << "the editor closed before it was read";
    }
};

TEST_F(MainWindowLayoutTest, IsAPopupWithoutFrameTheSizeOfItsPictureCentredOnTheScreen) {
    Window main{};
    RECT client{};
    ReadWhileOpen([&] {
        main = Read(MainWindow(), nullptr);
        GetClientRect(MainWindow(), &client);
    });
    EXPECT_EQ(main.style & (WS_POPUP | WS_CHILD), static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(main.style & (WS_CAPTION | WS_BORDER | kThickFrame | WS_SYSMENU), 0u)
        << std::hex << main.style;
    EXPECT_TRUE(main.visible);
    EXPECT_EQ(main.exStyle & WS_EX_APPWINDOW, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(main.text, L"IDD_CONFIG_DIALOG!");
    EXPECT_EQ(Describe(client), Describe({0, 0, 456, 653}));
    // Centred at the layout's 300 x 361 units (450 x 587 pixels) on the 1920 x 1080 screen,
    // then grown to the picture from the same top-left corner.
    EXPECT_NEAR(main.place.left, 735, 1);
    EXPECT_NEAR(main.place.top, 246, 1);
}

TEST_F(MainWindowLayoutTest, EightOwnerDrawnButtonsWithTabStopsAtTheirPlacesAndCaptions) {
    std::vector<Window> buttons;
    ReadWhileOpen([&] {
        for (const Button& button : kButtons) {
            buttons.push_back(Read(GetDlgItem(MainWindow(), button.id), MainWindow()));
        }
    });
    ASSERT_EQ(buttons.size(), std::size(kButtons));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Button& expected = kButtons[i];
        const Window& built = buttons[i];
        SCOPED_TRACE("button " + std::to_string(expected.id));
        EXPECT_EQ(built.className, L"Button");
        EXPECT_EQ(built.style & 0xF, static_cast<DWORD>(BS_OWNERDRAW)) << std::hex << built.style;
        EXPECT_EQ(built.style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED),
                  static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
        EXPECT_EQ(Describe(built.place), Describe(expected.place));
        EXPECT_EQ(built.text, expected.captionKey ? Wide(expected.captionKey) + L"!" : L"");
    }
}

TEST_F(MainWindowLayoutTest, PagesFillTheMiddleWithOnlyTheGraphicPageShown) {
    Window graphic{}, sound{}, interface {};
    ReadWhileOpen([&] {
        graphic = Read(Main().GraphicPage(), MainWindow());
        sound = Read(Main().SoundPage(), MainWindow());
        interface = Read(Main().InterfacePage(), MainWindow());
    });
    for (const Window* page : {&graphic, &sound, &interface}) {
        EXPECT_EQ(Describe(page->place), Describe({15, 86, 435, 606}));
        EXPECT_EQ(page->style & (WS_CHILD | WS_POPUP | WS_CAPTION | WS_BORDER | kThickFrame),
                  static_cast<DWORD>(WS_CHILD))
            << std::hex << page->style;
    }
    EXPECT_TRUE(graphic.visible);
    EXPECT_FALSE(sound.visible);
    EXPECT_FALSE(interface.visible);
}

}  // namespace
}  // namespace keldra::app::testing
