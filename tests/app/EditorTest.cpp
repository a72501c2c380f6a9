// The editor's shell as a player meets it: start-up, captions, tabs, dragging, the title
// buttons, and how OK, Cancel and Escape leave CONFIG.INI.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "EditorTestSupport.h"
#include "app/SaveFailureMessage.h"
#include "platform/user/windows/UserState.h"
#include "resource.h"
#include "settings/DefaultSettingsFile.h"
#include "settings/FileSnapshot.h"
#include "settings/TextCodec.h"
#include "support/ParamName.h"

namespace keldra::app::testing {
namespace {

using keldra::testing::ReadBytes;
using keldra::testing::StatOf;
using keldra::testing::WriteBytes;
using settings::DefaultSettingsFile;
using settings::TextCodec;
using settings::TextEncoding;

TEST_F(EditorTest, TheFirstStartCreatesTheDefaultSettingsFile) {
    bool seen = false;
    Then([&] {
        seen = true;
        EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI"), DefaultSettingsFile::Bytes());
    });
    RunEditor();
    EXPECT_TRUE(seen);
    EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI").size(), 3202u);
}

TEST_F(EditorTest, AnExistingSettingsFileIsLeftAlone) {
    for (const std::string existing : {"", "[VIDEO]\r\nSIZE_X=800\r\n"}) {
        WriteBytes(folder_ / "CONFIG.INI", existing);
        RunEditor();
        EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI"), existing);
    }
}

TEST_F(EditorTest, AFolderNamedConfigIniIsLeftAlone) {
    std::filesystem::create_directory(folder_ / "CONFIG.INI");
    RunEditor();
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "CONFIG.INI"));
    EXPECT_TRUE(std::filesystem::is_empty(folder_ / "CONFIG.INI"));
}

TEST_F(EditorTest, WithoutACaptionFileEveryTextIsItsDefault) {
    Then([&] {
        EXPECT_EQ(TextOf(MainWindow()), L"Keldra");
        EXPECT_EQ(ButtonText(IDC_GRAPHIC_TAB), L"Graphic");
        EXPECT_EQ(ButtonText(IDC_SOUND_TAB), L"Sound");
        EXPECT_EQ(ButtonText(IDC_INTERFACE_TAB), L"Interface");
        EXPECT_EQ(ButtonText(IDC_DEF_BUTTON), L"Back");
        EXPECT_EQ(ButtonText(IDOK), L"OK");
        EXPECT_EQ(ButtonText(IDCANCEL), L"Cancel");
        EXPECT_EQ(ButtonText(IDC_MINIMIZE_BUTTON), L"");
        EXPECT_EQ(ButtonText(IDC_CLOSE_BUTTON), L"");
    });
    RunEditor();
}

struct CaptionFileCase {
    const char* name;
    TextEncoding encoding;
    const char* mark;
};

class EditorCaptionTest : public EditorTest,
                          public ::testing::WithParamInterface<CaptionFileCase> {};

TEST_P(EditorCaptionTest, TranslatedCaptionsReplaceTheDefaults) {
    const std::wstring text =
        L"[RES_TEXT]\r\nIDD_CONFIG_DIALOG=\u51EF\u5C14\u5FB7\u62C9\r\nidok=\uD655\uC778\r\n"
        L"IDCANCEL=\r\nIDC_DEF_BUTTON=" +
        std::wstring(300, L'\u0416') + L"\r\n";
    WriteBytes(folder_ / "T_CONFIG.INI",
               std::string(GetParam().mark) + TextCodec::Encode(text, GetParam().encoding));
    Then([&] {
        EXPECT_EQ(TextOf(MainWindow()), L"\u51EF\u5C14\u5FB7\u62C9");
        EXPECT_EQ(ButtonText(IDOK), L"\uD655\uC778") << "a lower-case key matches";
        EXPECT_EQ(ButtonText(IDCANCEL), L"") << "an empty caption stays empty";
        EXPECT_EQ(ButtonText(IDC_DEF_BUTTON), std::wstring(259, L'\u0416'));
        EXPECT_EQ(ButtonText(IDC_SOUND_TAB), L"Sound") << "a key the file lacks keeps its default";
    });
    RunEditor();
}

INSTANTIATE_TEST_SUITE_P(Encodings, EditorCaptionTest,
                         ::testing::Values(CaptionFileCase{"utf16le", TextEncoding::Utf16Le,
                                                           "\xFF\xFE"},
                                           CaptionFileCase{"utf8", TextEncoding::Utf8, ""}),
                         keldra::testing::ParamName<CaptionFileCase>);

// A point inside a tab, away from its caption, where the three images differ.
constexpr int kTabProbeX = 6;
constexpr int kTabProbeY = 12;

TEST_F(EditorTest, OneTabIsPressedAndATabClickMovesIt) {
    ASSERT_NE(BitmapPixel(IDB_TAB_NORMAL, kTabProbeX, kTabProbeY),
              BitmapPixel(IDB_TAB_PRESSED, kTabProbeX, kTabProbeY));
    const auto tabPixel = [&](int tabLeft) {
        return PixelAt(tabLeft + kTabProbeX, 60 + kTabProbeY);
    };
    Then([&] {
        EXPECT_EQ(tabPixel(30), BitmapPixel(IDB_TAB_PRESSED, kTabProbeX, kTabProbeY));
        EXPECT_EQ(tabPixel(131), BitmapPixel(IDB_TAB_NORMAL, kTabProbeX, kTabProbeY));
        EXPECT_TRUE(IsWindowVisible(Main().GraphicPage()));
        EXPECT_FALSE(IsWindowVisible(Main().SoundPage()));
        EXPECT_FALSE(IsWindowVisible(Main().InterfacePage()));
        ClickAt(131 + 50, 60 + 12);
    });
    Then([&] { host_.MoveMouse({0, 0}); });  // away, so no tab shows its hover image
    Then([&] {
        EXPECT_EQ(tabPixel(131), BitmapPixel(IDB_TAB_PRESSED, kTabProbeX, kTabProbeY));
        EXPECT_EQ(tabPixel(30), BitmapPixel(IDB_TAB_NORMAL, kTabProbeX, kTabProbeY));
        EXPECT_FALSE(IsWindowVisible(Main().GraphicPage()));
        EXPECT_TRUE(IsWindowVisible(Main().SoundPage()));
    });
    RunEditor();
}

TEST_F(EditorTest, DraggingTheBandAboveTheTabsMovesTheWindow) {
    RECT start{};
    Then([&] {
        GetWindowRect(MainWindow(), &start);
        const POINT p = ScreenOf(60, 45);
        host_.MoveMouse({p.x, p.y});
        host_.PressLeft();
    });
    for (int step = 1; step <= 10; ++step) {
        Then([&, step] {
            host_.MoveMouse({start.left + 60 + 3 * step, start.top + 45 + 2 * step});
        });
    }
    Then([&] { host_.ReleaseLeft(); });
    Then([&] {
        RECT moved{};
        GetWindowRect(MainWindow(), &moved);
        EXPECT_EQ(moved.left - start.left, 30);
        EXPECT_EQ(moved.top - start.top, 20);
        EXPECT_EQ(moved.right - moved.left, 456);
        EXPECT_EQ(host_.WindowRect(MainWindow()).left, moved.left)
            << "the desktop window moved along";
    });
    RunEditor();
}

TEST_F(EditorTest, APressOnAButtonOrAPageDoesNotMoveTheWindow) {
    RECT start{};
    const POINT presses[] = {{300, 620}, {200, 300}};  // the OK button, the page
    for (const POINT press : presses) {
        Then([&, press] {
            GetWindowRect(MainWindow(), &start);
            const POINT p = ScreenOf(press.x, press.y);
            host_.MoveMouse({p.x, p.y});
            host_.PressLeft();
        });
        for (int step = 1; step <= 8; ++step) {
            Then([&, step, press] {
                host_.MoveMouse({start.left + press.x + 300 + step, start.top + press.y + step});
            });
        }
        Then([&] { host_.ReleaseLeft(); });
        Then([&] {
            RECT now{};
            GetWindowRect(MainWindow(), &now);
            EXPECT_EQ(now.left, start.left);
            EXPECT_EQ(now.top, start.top);
        });
    }
    EXPECT_EQ(RunEditor(), -1) << "the press on OK was released elsewhere: no click";
}

TEST_F(EditorTest, TheMinimiseButtonMinimises) {
    Then([&] { ClickAt(390 + 13, 10 + 10); });
    Then([&] { EXPECT_TRUE(host_.IsMinimized(MainWindow())); });
    RunEditor();
}

class EditorLeaveTest : public EditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(EditorLeaveTest, CancelCloseAndEscapeLeaveWithoutWriting) {
    WriteBytes(folder_ / "CONFIG.INI", DefaultSettingsFile::Bytes());
    const auto before = StatOf(folder_ / "CONFIG.INI");
    Then([&] {
        switch (GetParam()) {
            case 0:
                ClickAt(360 + 40, 610 + 15);
                break;  // Cancel
            case 1:
                ClickAt(418 + 13, 10 + 10);
                break;  // the close title button
            case 2:
                host_.TypeKey(VK_ESCAPE);
                break;
            case 3:
                host_.RequestClose(MainWindow());
                break;  // the desktop's close request
        }
    });
    EXPECT_EQ(RunEditor(), IDCANCEL);
    const auto after = StatOf(folder_ / "CONFIG.INI");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI"), DefaultSettingsFile::Bytes());
}

std::string LeaveName(const ::testing::TestParamInfo<int>& way) {
    static const char* const kNames[] = {"cancel", "close_button", "escape", "desktop_close"};
    return kNames[way.param];
}

INSTANTIATE_TEST_SUITE_P(Ways, EditorLeaveTest, ::testing::Values(0, 1, 2, 3), LeaveName);

TEST_F(EditorTest, OkClosesTheEditor) {
    WriteBytes(folder_ / "CONFIG.INI", DefaultSettingsFile::Bytes());
    Then([&] { ClickAt(277 + 40, 610 + 15); });
    EXPECT_EQ(RunEditor(), IDOK);
    // The pages add the keys they keep outside the default's sections (SHADOW and WATER in
    // [USER], ...); every line of the default stays, in its order.
    const std::string after = ReadBytes(folder_ / "CONFIG.INI");
    const std::string_view before = DefaultSettingsFile::Bytes();
    std::size_t at = 0;
    for (std::size_t start = 0; start < before.size();) {
        const std::size_t end = before.find('\n', start) + 1;
        const std::string line(before.substr(start, end - start));
        at = after.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << after;
        at += line.size();
        start = end;
    }
}

// Every top-level window other than the editor's main window.
std::vector<HWND> OtherTopLevels(HWND main) {
    std::vector<HWND> others;
    for (HWND window : platform::user::CurrentWindows().TopLevels()) {
        if (window != main && IsWindowVisible(window)) others.push_back(window);
    }
    return others;
}

TEST_F(EditorTest, AFailedSaveSaysWhyAndKeepsTheWindowOpen) {
    std::filesystem::create_directory(folder_ / "CONFIG.INI");  // nothing can be saved there
    Then([&] { ClickAt(277 + 40, 610 + 15); });                 // OK
    Then([&] {
        const auto boxes = OtherTopLevels(MainWindow());
        ASSERT_EQ(boxes.size(), 1u) << "one message box";
        EXPECT_EQ(TextOf(boxes[0]), L"Keldra");
        host_.TypeKey(VK_RETURN);
    });
    Then([&] {
        EXPECT_TRUE(OtherTopLevels(MainWindow()).empty()) << "Enter closed the message box";
        EXPECT_TRUE(IsWindowVisible(MainWindow())) << "the editor stays open";
        ClickAt(360 + 40, 610 + 15);  // Cancel still leaves
    });
    EXPECT_EQ(RunEditor(), IDCANCEL);
    EXPECT_TRUE(std::filesystem::is_empty(folder_ / "CONFIG.INI"));
}

// Every tick and slider position of the three pages, in order.
std::vector<LRESULT> PageValues(const CConfigDlg& main) {
    std::vector<LRESULT> values;
    for (HWND page : {main.GraphicPage(), main.InterfacePage(), main.SoundPage()}) {
        for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            wchar_t kind[64] = {};
            GetClassNameW(control, kind, 64);
            if (std::wstring_view(kind) == L"msctls_trackbar32") {
                values.push_back(SendMessageW(control, TBM_GETPOS, 0, 0));
            } else if (std::wstring_view(kind) == L"Button") {
                values.push_back(SendMessageW(control, BM_GETCHECK, 0, 0));
            }
        }
    }
    return values;
}

TEST_F(EditorTest, AFileTooLargeToEditShowsTheDefaultsAndOkSaysItCannotSave) {
    WriteBytes(folder_ / "CONFIG.INI", "");
    std::vector<LRESULT> defaults;
    Then([&] { defaults = PageValues(Main()); });
    RunEditor();
    ASSERT_FALSE(defaults.empty());

    // One byte over the limit, its first lines a setting that would show if it were read.
    const std::string head = "[VIDEO]\r\nFULLSCREEN=FALSE\r\nGAMMA=4\r\n";
    const auto file = folder_ / "CONFIG.INI";
    WriteBytes(file, head);
    std::filesystem::resize_file(file, settings::FileSnapshot::kMaxEditableSize + 1);
    Then([&] {
        EXPECT_EQ(PageValues(Main()), defaults) << "every page shows its defaults";
        ClickAt(277 + 40, 610 + 15);  // OK
    });
    Then([&] {
        ASSERT_EQ(OtherTopLevels(MainWindow()).size(), 1u) << "a message box says why";
        host_.TypeKey(VK_RETURN);
    });
    Then([&] {
        EXPECT_TRUE(IsWindowVisible(MainWindow())) << "the editor stays open";
        ClickAt(360 + 40, 610 + 15);  // Cancel
    });
    EXPECT_EQ(RunEditor(), IDCANCEL);
    EXPECT_EQ(std::filesystem::file_size(file), settings::FileSnapshot::kMaxEditableSize + 1);
    EXPECT_LE(StatOf(file).st_blocks, 64) << "nothing was written into the hole";
    std::ifstream in(file, std::ios::binary);
    std::string start(head.size(), '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    EXPECT_EQ(start, head);
}

long long AreaOf(const platform::gdi::Region& region) {
    long long area = 0;
    for (const auto& r : region.Rects()) area += static_cast<long long>(r.Width()) * r.Height();
    return area;
}

TEST_F(EditorTest, TheWindowHasTheSkinsOutlineAndButtonsAtTheirPlaces) {
    Then([&] {
        const auto* native = host_.Find(MainWindow());
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->state.screenRect.Width(), 456);
        EXPECT_EQ(native->state.screenRect.Height(), 653);
        ASSERT_TRUE(native->state.shape.has_value());
        EXPECT_EQ(AreaOf(*native->state.shape), 293266);
        const struct {
            int x, y, bitmap;
        } buttons[] = {{15, 610, IDB_BUTTON_NORMAL},  {277, 610, IDB_BUTTON_NORMAL},
                       {360, 610, IDB_BUTTON_NORMAL}, {390, 10, IDB_MINIMIZE_NORMAL},
                       {418, 10, IDB_CLOSE_NORMAL},   {232, 60, IDB_TAB_NORMAL}};
        for (const auto& b : buttons) {
            EXPECT_EQ(PixelAt(b.x + 3, b.y + 3), BitmapPixel(b.bitmap, 3, 3)) << b.x << "," << b.y;
        }
    });
    RunEditor();
}

TEST(SaveFailureMessage, FillsTwoStringsAndLeavesEverythingElse) {
    const struct {
        const wchar_t* format;
        const wchar_t* expected;
    } cases[] = {
        {L"Could not save the settings to %s: %s",
         L"Could not save the settings to /g/CONFIG.INI: Read-only"},
        {L"%s %n %d (%s) %s %%", L"/g/CONFIG.INI %n %d (Read-only) %s %%"},
        {L"no placeholders", L"no placeholders"},
        {L"only %s", L"only /g/CONFIG.INI"},
        {L"trailing %", L"trailing %"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SaveFailureMessage::Compose(c.format, L"/g/CONFIG.INI", L"Read-only"),
                  c.expected);
    }
}

}  // namespace
}  // namespace keldra::app::testing
