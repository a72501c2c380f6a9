// The Graphic page as a player meets it: what it shows for a CONFIG.INI, what OK, the
// default button and Cancel leave in the file, the window-mode pair, the sliders and the
// captions.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "EditorTestSupport.h"
#include "pages/CGraphicDlg.h"
#include "resource.h"
#include "settings/DefaultSettingsFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransaction.h"

namespace keldra::app::testing {
namespace {

using keldra::testing::ReadBytes;
using keldra::testing::StatOf;
using keldra::testing::WriteBytes;
using settings::DefaultSettingsFile;
using settings::SettingsFile;

// The main window's buttons, at their skin places.
constexpr POINT kDefaultButton{15 + 40, 610 + 15};
constexpr POINT kOkButton{277 + 40, 610 + 15};
constexpr POINT kCancelButton{360 + 40, 610 + 15};

// The shipped file with one line replaced.
std::string DefaultWith(const std::string& line, const std::string& replacement) {
    std::string text(DefaultSettingsFile::Bytes());
    const auto at = text.find(line + "\r\n");
    if (at == std::string::npos) throw std::runtime_error("no line " + line);
    return text.replace(at, line.size(), replacement);
}

class GraphicPageTest : public EditorTest {
  protected:
    HWND Control(int id) const { return ::GetDlgItem(Main().GraphicPage(), id); }
    bool Ticked(int id) const { return SendMessage(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    int Position(int id) const {
        return static_cast<int>(SendMessage(Control(id), TBM_GETPOS, 0, 0));
    }
    int Mode() const {
        return static_cast<int>(SendMessage(Control(IDC_RESOLUTION_COMBO), CB_GETCURSEL, 0, 0));
    }
    CGraphicDlg& Page() const {
        auto* page = dynamic_cast<CGraphicDlg*>(CWnd::FromHandle(Main().GraphicPage()));
        if (page == nullptr) throw std::runtime_error("no Graphic page");
        return *page;
    }
    // The middle of a page control on the screen.
    POINT Middle(HWND control) const {
        RECT r{};
        GetWindowRect(control, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Press(POINT mainClientPoint) { ClickAt(mainClientPoint.x, mainClientPoint.y); }
    void ClickControl(int id) {
        const POINT p = Middle(Control(id));
        host_.Click({p.x, p.y});
    }
    std::wstring Stored(const wchar_t* section, const wchar_t* key) const {
        return SettingsFile::ReadText(section, key, L"<missing>",
                                      folder_.WindowsPath("CONFIG.INI"));
    }
    // Queues a drag of a slider's thumb to a point of the slider (its client x).
    void DragThumb(int id, int toX) {
        Then([this, id] {
            RECT thumb{};
            SendMessage(Control(id), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
            POINT p{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
            ClientToScreen(Control(id), &p);
            host_.MoveMouse({p.x, p.y});
            host_.PressLeft();
        });
        for (const int step : {0, 1}) {
            Then([this, id, toX, step] {
                POINT p{toX - 3 + 3 * step, 12};
                ClientToScreen(Control(id), &p);
                host_.MoveMouse({p.x, p.y});
            });
        }
        Then([this] { host_.ReleaseLeft(); });
    }
    void Write(const std::string& bytes) { WriteBytes(folder_ / "CONFIG.INI", bytes); }
};

// What the page shows after start-up, for one line of the shipped file replaced.
struct LoadCase {
    const char* line;
    const char* replacement;
    int control;
    int shown;  // tick (0/1), slider position or mode index
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* savedByOk;
};

// Names the case in a failure by the line it replaces.
void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << '"' << c.line << "\" replaced by \"" << c.replacement << '"';
}

class GraphicPageLoadTest : public GraphicPageTest,
                            public ::testing::WithParamInterface<LoadCase> {};

TEST_P(GraphicPageLoadTest, ShowsTheStoredValueAndOkWritesItNormalised) {
    const LoadCase& c = GetParam();
    Write(DefaultWith(c.line, c.replacement));
    Then([&] {
        int shown = 0;
        switch (c.control) {
            case IDC_RESOLUTION_COMBO:
                shown = Mode();
                break;
            case IDC_GLOW_SLIDER:
            case IDC_BRIGHTNESS_SLIDER:
            case IDC_DETAIL_SLIDER:
            case IDC_MAX_FIELD_SLIDER:
                shown = Position(c.control);
                break;
            default:
                shown = Ticked(c.control) ? 1 : 0;
        }
        EXPECT_EQ(shown, c.shown);
        if (c.control == IDC_FULL_SCREEN_CHECK) {
            EXPECT_NE(Ticked(IDC_WINDOW_MODE_CHECK), Ticked(IDC_FULL_SCREEN_CHECK))
                << "exactly one of window mode and full screen";
        }
        Press(kOkButton);
    });
    EXPECT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(c.section, c.key), c.savedByOk);
}

const LoadCase kLoadCases[] = {
    {"FULLSCREEN=TRUE", "FULLSCREEN=true", IDC_FULL_SCREEN_CHECK, 0, L"VIDEO", L"FULLSCREEN",
     L"FALSE"},
    {"FULLSCREEN=TRUE", "FULLSCREEN=1", IDC_FULL_SCREEN_CHECK, 0, L"VIDEO", L"FULLSCREEN",
     L"FALSE"},
    {"FULLSCREEN=TRUE", "", IDC_FULL_SCREEN_CHECK, 1, L"VIDEO", L"FULLSCREEN", L"TRUE"},
    {"FULLSCREEN=TRUE", "FULLSCREEN=FALSE", IDC_WINDOW_MODE_CHECK, 1, L"VIDEO", L"FULLSCREEN",
     L"FALSE"},
    {"USE_FILTER=TRUE", "USE_FILTER=True", IDC_USE_FILTER_CHECK, 0, L"USER", L"USE_FILTER",
     L"FALSE"},
    {"USE_FILTER=TRUE", "", IDC_USE_FILTER_CHECK, 1, L"USER", L"USE_FILTER", L"TRUE"},
    {"WEAPONEFF=TRUE", "WEAPONEFF=TRUE\r\nREJECT_PARTY=TRUE", IDC_REJECT_PARTY_CHECK, 1, L"VIDEO",
     L"REJECT_PARTY", L"TRUE"},
    {"REJECT_PARTY=FALSE", "REJECT_PARTY=TRUE", IDC_REJECT_PARTY_CHECK, 0, L"VIDEO",
     L"REJECT_PARTY", L"FALSE"},
    {"WEAPONEFF=TRUE", "WEAPONEFF=TRUE\r\nREJECT_FIGHT=TRUE", IDC_REJECT_FIGHT_CHECK, 1, L"VIDEO",
     L"REJECT_FIGHT", L"TRUE"},
    {"WEAPONEFF=TRUE", "WEAPONEFF=TRUE\r\nREJECT_TRADE=yes", IDC_REJECT_TRADE_CHECK, 0, L"VIDEO",
     L"REJECT_TRADE", L"FALSE"},
    // Glow and brightness: 1000 positions a level, kept within 0 to 4100.
    {"GLOW_LEVEL=2", "GLOW_LEVEL=9", IDC_GLOW_SLIDER, 4100, L"VIDEO", L"GLOW_LEVEL", L"4"},
    {"GLOW_LEVEL=2", "GLOW_LEVEL=3", IDC_GLOW_SLIDER, 3000, L"VIDEO", L"GLOW_LEVEL", L"3"},
    {"GLOW_LEVEL=2", "GLOW_LEVEL=-1", IDC_GLOW_SLIDER, 0, L"VIDEO", L"GLOW_LEVEL", L"0"},
    {"GLOW_LEVEL=2", "GLOW_LEVEL=7abc", IDC_GLOW_SLIDER, 4100, L"VIDEO", L"GLOW_LEVEL", L"4"},
    {"GLOW_LEVEL=2", "GLOW_LEVEL=abc", IDC_GLOW_SLIDER, 0, L"VIDEO", L"GLOW_LEVEL", L"0"},
    {"GLOW_LEVEL=2", "", IDC_GLOW_SLIDER, 2000, L"VIDEO", L"GLOW_LEVEL", L"2"},
    // A product beyond 32 bits saturates at the nearer end instead of wrapping around.
    {"GLOW_LEVEL=2", "GLOW_LEVEL=2147484", IDC_GLOW_SLIDER, 4100, L"VIDEO", L"GLOW_LEVEL", L"4"},
    {"GLOW_LEVEL=2", "GLOW_LEVEL=4294968", IDC_GLOW_SLIDER, 4100, L"VIDEO", L"GLOW_LEVEL", L"4"},
    {"GLOW_LEVEL=2", "GLOW_LEVEL=-2147484", IDC_GLOW_SLIDER, 0, L"VIDEO", L"GLOW_LEVEL", L"0"},
    {"GAMMA=2", "GAMMA=1", IDC_BRIGHTNESS_SLIDER, 1000, L"VIDEO", L"GAMMA", L"1"},
    {"GAMMA=2", "GAMMA=2147483647", IDC_BRIGHTNESS_SLIDER, 4100, L"VIDEO", L"GAMMA", L"4"},
    {"GAMMA=2", "GAMMA=-5", IDC_BRIGHTNESS_SLIDER, 0, L"VIDEO", L"GAMMA", L"0"},
    // Detail and view range: words, case-sensitive; every other word is HIGH.
    {"TEXTURE=HIGH", "TEXTURE=LOW", IDC_DETAIL_SLIDER, 0, L"VIDEO", L"TEXTURE", L"LOW"},
    {"TEXTURE=HIGH", "TEXTURE=MIDDLE", IDC_DETAIL_SLIDER, 1000, L"VIDEO", L"TEXTURE", L"MIDDLE"},
    {"TEXTURE=HIGH", "TEXTURE=low", IDC_DETAIL_SLIDER, 2000, L"VIDEO", L"TEXTURE", L"HIGH"},
    {"TEXTURE=HIGH", "TEXTURE=ULTRA", IDC_DETAIL_SLIDER, 2000, L"VIDEO", L"TEXTURE", L"HIGH"},
    {"TEXTURE=HIGH", "TEXTURE=", IDC_DETAIL_SLIDER, 2000, L"VIDEO", L"TEXTURE", L"HIGH"},
    {"TEXTURE=HIGH", "", IDC_DETAIL_SLIDER, 2000, L"VIDEO", L"TEXTURE", L"HIGH"},
    {"RANGE=HIGH", "RANGE=MIDDLE", IDC_MAX_FIELD_SLIDER, 1000, L"VIDEO", L"RANGE", L"MIDDLE"},
    {"RANGE=HIGH", "RANGE=LOW", IDC_MAX_FIELD_SLIDER, 0, L"VIDEO", L"RANGE", L"LOW"},
    {"RANGE=HIGH", "RANGE=Middle", IDC_MAX_FIELD_SLIDER, 2000, L"VIDEO", L"RANGE", L"HIGH"},
    // Display modes: an exact width and height, else 1024 x 768.
    {"SIZE_X=1024\r\nSIZE_Y=768", "", IDC_RESOLUTION_COMBO, 1, L"VIDEO", L"SIZE_Y", L"768"},
    {"SIZE_Y=768", "SIZE_Y=600", IDC_RESOLUTION_COMBO, 1, L"VIDEO", L"SIZE_Y", L"768"},
    {"SIZE_X=1024\r\nSIZE_Y=768", "SIZE_X=1280\r\nSIZE_Y=1024", IDC_RESOLUTION_COMBO, 3, L"VIDEO",
     L"SIZE_Y", L"1024"},
    {"SIZE_X=1024\r\nSIZE_Y=768", "SIZE_X=1280\r\nSIZE_Y=720", IDC_RESOLUTION_COMBO, 2, L"VIDEO",
     L"SIZE_X", L"1280"},
    {"SIZE_X=1024\r\nSIZE_Y=768", "SIZE_X=1280\r\nSIZE_Y=960", IDC_RESOLUTION_COMBO, 1, L"VIDEO",
     L"SIZE_X", L"1024"},
    {"SIZE_X=1024", "SIZE_X=1366", IDC_RESOLUTION_COMBO, 1, L"VIDEO", L"SIZE_X", L"1024"},
    {"SIZE_X=1024\r\nSIZE_Y=768", "SIZE_X=800", IDC_RESOLUTION_COMBO, 1, L"VIDEO", L"SIZE_X",
     L"1024"},
    {"SIZE_X=1024\r\nSIZE_Y=768", "SIZE_X=1920\r\nSIZE_Y=1080", IDC_RESOLUTION_COMBO, 1, L"VIDEO",
     L"SIZE_Y", L"768"},
    {"SIZE_X=1024\r\nSIZE_Y=768", "SIZE_X=800\r\nSIZE_Y=600", IDC_RESOLUTION_COMBO, 0, L"VIDEO",
     L"SIZE_X", L"800"},
    {"SIZE_X=1024\r\nSIZE_Y=768", "SIZE_X=1920\r\nSIZE_Y=1200", IDC_RESOLUTION_COMBO, 7, L"VIDEO",
     L"SIZE_X", L"1920"},
};

std::string LoadCaseName(const ::testing::TestParamInfo<LoadCase>& info) {
    return "case" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Values, GraphicPageLoadTest, ::testing::ValuesIn(kLoadCases),
                         LoadCaseName);

// The page's own writes, applied alone to the file, change exactly its keys: a value it
// does not recognise comes back normalised and the refusals join VIDEO, while the shipped
// lines of the same names in USER stay.
TEST_F(GraphicPageTest, ItsSaveRewritesExactlyItsKeys) {
    Write(DefaultWith("FULLSCREEN=TRUE", "FULLSCREEN=1"));
    Then([&] {
        settings::SettingsTransaction save(folder_.WindowsPath("CONFIG.INI"));
        Page().SaveSettings(save);
        EXPECT_TRUE(save.Commit().Succeeded());
        Press(kCancelButton);
    });
    RunEditor();
    std::string expected =
        DefaultWith("WEAPONEFF=TRUE",
                    "WEAPONEFF=TRUE\r\nREJECT_FIGHT=FALSE\r\nREJECT_TRADE=FALSE\r\n"
                    "REJECT_PARTY=FALSE");
    expected.replace(expected.find("FULLSCREEN=TRUE"), 15, "FULLSCREEN=FALSE");
    EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI"), expected);
}

TEST_F(GraphicPageTest, OkWithoutChangesKeepsTheUserRefusalsAndAddsTheVideoOnes) {
    Write(DefaultWith("REJECT_FIGHT=FALSE", "REJECT_FIGHT=TRUE"));
    Then([&] {
        EXPECT_FALSE(Ticked(IDC_REJECT_FIGHT_CHECK)) << "the USER key is not the page's";
        Press(kOkButton);
    });
    EXPECT_EQ(RunEditor(), IDOK);
    for (const wchar_t* key : {L"REJECT_FIGHT", L"REJECT_TRADE", L"REJECT_PARTY"}) {
        EXPECT_EQ(Stored(L"VIDEO", key), L"FALSE") << key;
    }
    EXPECT_EQ(Stored(L"USER", L"REJECT_FIGHT"), L"TRUE");
    EXPECT_EQ(Stored(L"USER", L"REJECT_TRADE"), L"FALSE");
    const std::string after = ReadBytes(folder_ / "CONFIG.INI");
    EXPECT_NE(after.find("\r\n[USER]\r\nUSE_MOUSE=TRUE\r\n"), std::string::npos);
}

// Every control away from its default, so the default button has something to undo.
const char kEverythingChanged[] =
    "[VIDEO]\r\nSIZE_X=1920\r\nSIZE_Y=1200\r\nFULLSCREEN=FALSE\r\nGLOW_LEVEL=0\r\nGAMMA=4\r\n"
    "TEXTURE=LOW\r\nRANGE=MIDDLE\r\nREJECT_FIGHT=TRUE\r\nREJECT_TRADE=TRUE\r\n"
    "REJECT_PARTY=TRUE\r\n[USER]\r\nUSE_FILTER=FALSE\r\n";

TEST_F(GraphicPageTest, TheDefaultButtonThenCancelWritesNothing) {
    Write(kEverythingChanged);
    const auto before = StatOf(folder_ / "CONFIG.INI");
    Then([&] {
        EXPECT_EQ(Mode(), 7);
        EXPECT_TRUE(Ticked(IDC_WINDOW_MODE_CHECK));
        EXPECT_TRUE(Ticked(IDC_REJECT_TRADE_CHECK));
        EXPECT_EQ(Position(IDC_BRIGHTNESS_SLIDER), 4000);
        Press(kDefaultButton);
    });
    Then([&] {
        EXPECT_EQ(Mode(), 1);
        EXPECT_TRUE(Ticked(IDC_FULL_SCREEN_CHECK));
        EXPECT_FALSE(Ticked(IDC_WINDOW_MODE_CHECK));
        EXPECT_TRUE(Ticked(IDC_USE_FILTER_CHECK));
        for (const int id :
             {IDC_REJECT_FIGHT_CHECK, IDC_REJECT_TRADE_CHECK, IDC_REJECT_PARTY_CHECK})
            EXPECT_FALSE(Ticked(id)) << id;
        for (const int id :
             {IDC_GLOW_SLIDER, IDC_BRIGHTNESS_SLIDER, IDC_DETAIL_SLIDER, IDC_MAX_FIELD_SLIDER})
            EXPECT_EQ(Position(id), 2000) << id;
        Press(kCancelButton);
    });
    EXPECT_EQ(RunEditor(), IDCANCEL);
    EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI"), kEverythingChanged);
    EXPECT_EQ(StatOf(folder_ / "CONFIG.INI").st_ino, before.st_ino);
}

TEST_F(GraphicPageTest, TheDefaultButtonThenOkWritesEveryBuiltInDefault) {
    Write(kEverythingChanged);
    Then([&] { Press(kDefaultButton); });
    Then([&] { Press(kOkButton); });
    EXPECT_EQ(RunEditor(), IDOK);
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* value;
    } expected[] = {
        {L"VIDEO", L"SIZE_X", L"1024"},
        {L"VIDEO", L"SIZE_Y", L"768"},
        {L"VIDEO", L"FULLSCREEN", L"TRUE"},
        {L"VIDEO", L"REJECT_FIGHT", L"FALSE"},
        {L"VIDEO", L"REJECT_TRADE", L"FALSE"},
        {L"VIDEO", L"REJECT_PARTY", L"FALSE"},
        {L"USER", L"USE_FILTER", L"TRUE"},
        {L"VIDEO", L"GLOW_LEVEL", L"2"},
        {L"VIDEO", L"GAMMA", L"2"},
        {L"VIDEO", L"TEXTURE", L"HIGH"},
        {L"VIDEO", L"RANGE", L"HIGH"},
    };
    for (const auto& e : expected) EXPECT_EQ(Stored(e.section, e.key), e.value) << e.key;
}

TEST_F(GraphicPageTest, WithoutASettingsValueEveryKeyIsWrittenInItsOrder) {
    Write("");
    Then([&] { Press(kOkButton); });
    EXPECT_EQ(RunEditor(), IDOK);
    const std::string after = ReadBytes(folder_ / "CONFIG.INI");
    const std::vector<std::string> inOrder = {"[VIDEO]",
                                              "SIZE_X=1024",
                                              "SIZE_Y=768",
                                              "FULLSCREEN=TRUE",
                                              "REJECT_FIGHT=FALSE",
                                              "REJECT_TRADE=FALSE",
                                              "REJECT_PARTY=FALSE",
                                              "GLOW_LEVEL=2",
                                              "GAMMA=2",
                                              "TEXTURE=HIGH",
                                              "RANGE=HIGH"};
    std::size_t at = 0;
    for (const auto& line : inOrder) {
        const auto found = after.find(line + "\r\n", at);
        ASSERT_NE(found, std::string::npos) << line << " in order in\n" << after;
        at = found;
    }
    EXPECT_EQ(Stored(L"USER", L"USE_FILTER"), L"TRUE");
}

struct ClickCase {
    std::vector<int> clicks;
    bool windowMode;
    const wchar_t* saved;
};

class GraphicPageClickTest : public GraphicPageTest,
                             public ::testing::WithParamInterface<ClickCase> {};

TEST_P(GraphicPageClickTest, WindowModeAndFullScreenAreOneChoice) {
    const ClickCase& c = GetParam();
    Write(std::string(DefaultSettingsFile::Bytes()));
    for (const int id : c.clicks) Then([this, id] { ClickControl(id); });
    Then([&] {
        EXPECT_EQ(Ticked(IDC_WINDOW_MODE_CHECK), c.windowMode);
        EXPECT_EQ(Ticked(IDC_FULL_SCREEN_CHECK), !c.windowMode);
        Press(kOkButton);
    });
    EXPECT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"VIDEO", L"FULLSCREEN"), c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, GraphicPageClickTest,
    ::testing::Values(ClickCase{{IDC_WINDOW_MODE_CHECK}, true, L"FALSE"},
                      ClickCase{{IDC_WINDOW_MODE_CHECK, IDC_WINDOW_MODE_CHECK}, true, L"FALSE"},
                      ClickCase{{IDC_FULL_SCREEN_CHECK}, false, L"TRUE"},
                      ClickCase{
                          {IDC_WINDOW_MODE_CHECK, IDC_FULL_SCREEN_CHECK, IDC_FULL_SCREEN_CHECK},
                          false,
                          L"TRUE"}));

TEST_F(GraphicPageTest, TheRefusalAndFilterBoxesTickByClick) {
    Write(std::string(DefaultSettingsFile::Bytes()));
    for (const int id : {IDC_REJECT_FIGHT_CHECK, IDC_REJECT_TRADE_CHECK, IDC_REJECT_PARTY_CHECK,
                         IDC_USE_FILTER_CHECK}) {
        Then([this, id] { ClickControl(id); });
    }
    Then([&] { Press(kOkButton); });
    EXPECT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"VIDEO", L"REJECT_FIGHT"), L"TRUE");
    EXPECT_EQ(Stored(L"VIDEO", L"REJECT_TRADE"), L"TRUE");
    EXPECT_EQ(Stored(L"VIDEO", L"REJECT_PARTY"), L"TRUE");
    EXPECT_EQ(Stored(L"USER", L"USE_FILTER"), L"FALSE");
    EXPECT_EQ(Stored(L"USER", L"REJECT_FIGHT"), L"FALSE") << "the shipped USER line stays";
}

TEST_F(GraphicPageTest, TheModeListHoldsTheEightSizesAndAChoiceIsSaved) {
    Write(std::string(DefaultSettingsFile::Bytes()));
    Then([&] {
        const HWND combo = Control(IDC_RESOLUTION_COMBO);
        ASSERT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 8);
        const wchar_t* labels[] = {L"800x600(4:3)",     L"1024x768(4:3)",   L"1280x720(16:9)",
                                   L"1280x1024(4:3)",   L"1360x768(16:10)", L"1600x900(16:9)",
                                   L"1680x1050(16:10)", L"1920x1200(16:10)"};
        for (int i = 0; i < 8; ++i) {
            wchar_t text[64] = {};
            SendMessage(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, labels[i]);
        }
        ClickControl(IDC_RESOLUTION_COMBO);  // opens the list
    });
    for (int i = 0; i < 3; ++i) Then([&] { host_.TypeKey(VK_DOWN); });
    Then([&] { host_.TypeKey(VK_RETURN); });
    Then([&] {
        EXPECT_EQ(Mode(), 4);
        Press(kOkButton);
    });
    EXPECT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"VIDEO", L"SIZE_X"), L"1360");
    EXPECT_EQ(Stored(L"VIDEO", L"SIZE_Y"), L"768");
}

struct DragCase {
    int slider;
    int toX;  // slider client x the pointer is dragged to
    int position;
    const wchar_t* key;
    const wchar_t* saved;
};

class GraphicPageDragTest : public GraphicPageTest,
                            public ::testing::WithParamInterface<DragCase> {};

// Dragging leaves the thumb at any position; a level counts from its band's lower end.
TEST_P(GraphicPageDragTest, ADraggedPositionSavesItsLevel) {
    const DragCase& c = GetParam();
    Write(std::string(DefaultSettingsFile::Bytes()));
    DragThumb(c.slider, c.toX);
    Then([&] {
        EXPECT_EQ(Position(c.slider), c.position) << "dragged to x " << c.toX;
        Press(kOkButton);
    });
    EXPECT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"VIDEO", c.key), c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, GraphicPageDragTest,
    ::testing::Values(DragCase{IDC_GLOW_SLIDER, 149, 3987, L"GLOW_LEVEL", L"3"},
                      DragCase{IDC_GLOW_SLIDER, 150, 4015, L"GLOW_LEVEL", L"4"},
                      DragCase{IDC_GLOW_SLIDER, 200, 4100, L"GLOW_LEVEL", L"4"},
                      DragCase{IDC_BRIGHTNESS_SLIDER, -30, 0, L"GAMMA", L"0"},
                      DragCase{IDC_BRIGHTNESS_SLIDER, 44, 1018, L"GAMMA", L"1"},
                      DragCase{IDC_DETAIL_SLIDER, 146, 1999, L"TEXTURE", L"MIDDLE"},
                      DragCase{IDC_DETAIL_SLIDER, 147, 2013, L"TEXTURE", L"HIGH"},
                      DragCase{IDC_MAX_FIELD_SLIDER, 30, 319, L"RANGE", L"LOW"},
                      DragCase{IDC_MAX_FIELD_SLIDER, 300, 2100, L"RANGE", L"HIGH"}));

struct EdgeCase {
    int slider;
    int position;
    const wchar_t* key;
    const wchar_t* saved;
};

class GraphicPageEdgeTest : public GraphicPageTest,
                            public ::testing::WithParamInterface<EdgeCase> {};

// Positions no pixel of a drag reaches, set on the trackbar itself.
TEST_P(GraphicPageEdgeTest, APositionAtABandEdgeSavesTheLowerLevel) {
    const EdgeCase& c = GetParam();
    Write(std::string(DefaultSettingsFile::Bytes()));
    Then([&] {
        SendMessage(Control(c.slider), TBM_SETPOS, TRUE, c.position);
        Press(kOkButton);
    });
    EXPECT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"VIDEO", c.key), c.saved) << "at " << c.position;
}

INSTANTIATE_TEST_SUITE_P(Edges, GraphicPageEdgeTest,
                         ::testing::Values(EdgeCase{IDC_GLOW_SLIDER, 3999, L"GLOW_LEVEL", L"3"},
                                           EdgeCase{IDC_GLOW_SLIDER, 4000, L"GLOW_LEVEL", L"4"},
                                           EdgeCase{IDC_GLOW_SLIDER, 999, L"GLOW_LEVEL", L"0"},
                                           EdgeCase{IDC_GLOW_SLIDER, 9000, L"GLOW_LEVEL", L"4"},
                                           EdgeCase{IDC_BRIGHTNESS_SLIDER, 2750, L"GAMMA", L"2"},
                                           EdgeCase{IDC_DETAIL_SLIDER, 1999, L"TEXTURE", L"MIDDLE"},
                                           EdgeCase{IDC_MAX_FIELD_SLIDER, 999, L"RANGE", L"LOW"},
                                           EdgeCase{IDC_MAX_FIELD_SLIDER, 5000, L"RANGE",
                                                    L"HIGH"}));

class GraphicPageKeyTest : public GraphicPageTest, public ::testing::WithParamInterface<UINT> {};

// Enter on a control of the page is the program's OK, Escape its Cancel.
TEST_P(GraphicPageKeyTest, EnterOnThePageSavesAndEscapeLeaves) {
    const UINT key = GetParam();
    Write(std::string(DefaultSettingsFile::Bytes()));
    Then([&] { ClickControl(IDC_REJECT_TRADE_CHECK); });
    Then([&] {
        EXPECT_EQ(GetFocus(), Control(IDC_REJECT_TRADE_CHECK));
        host_.TypeKey(key);
    });
    EXPECT_EQ(RunEditor(), key == VK_RETURN ? IDOK : IDCANCEL);
    EXPECT_EQ(Stored(L"VIDEO", L"REJECT_TRADE"), key == VK_RETURN ? L"TRUE" : L"<missing>");
}

INSTANTIATE_TEST_SUITE_P(Keys, GraphicPageKeyTest, ::testing::Values(VK_RETURN, VK_ESCAPE));

TEST_F(GraphicPageTest, SlidersIgnoreTheKeyboard) {
    Write(std::string(DefaultSettingsFile::Bytes()));
    Then([&] { SetFocus(Control(IDC_GLOW_SLIDER)); });
    for (const UINT key : {VK_RIGHT, VK_LEFT, VK_END, VK_HOME}) {
        Then([&, key] { host_.TypeKey(key); });
    }
    Then([&] {
        EXPECT_EQ(Position(IDC_GLOW_SLIDER), 2000);
        Press(kCancelButton);
    });
    RunEditor();
}

TEST_F(GraphicPageTest, WithoutACaptionFileEveryCaptionIsItsDefault) {
    Then([&] {
        const struct {
            int id;
            const wchar_t* text;
        } captions[] = {
            {IDC_DISPLAY_TITLE, L"Resolution"},
            {IDC_RESOLUTION_LABEL, L"Resolution"},
            {IDC_WINDOW_MODE_CHECK, L"Window mode"},
            {IDC_FULL_SCREEN_CHECK, L"Full screen"},
            {IDC_BACKGROUND_GRAPHIC_TITLE, L"Background graphic"},
            {IDC_GLOW_LABEL, L"Glow"},
            {IDC_BRIGHTNESS_LABEL, L"Brightness"},
            {IDC_LOW, L"Low"},
            {IDC_HIGH, L"High"},
            {IDC_DETAIL_LABEL, L"Detailed depiction"},
            {IDC_MAX_FIELD_LABEL, L"Maximum field"},
            {IDC_ETC_TITLE, L"ETC."},
            {IDC_USE_FILTER_CHECK, L"Filter for a slang word"},
            {IDC_REJECT_FIGHT_CHECK, L"Reject for duel"},
            {IDC_REJECT_TRADE_CHECK, L"Reject for transaction"},
            {IDC_REJECT_PARTY_CHECK, L"Reject for part"},
        };
        for (const auto& c : captions) EXPECT_EQ(TextOf(Control(c.id)), c.text) << c.id;
    });
    RunEditor();
}

TEST_F(GraphicPageTest, CaptionsComeFromATranslatedCaptionFile) {
    const struct {
        const char* key;
        int id;
        const wchar_t* text;
    } captions[] = {
        {"IDC_gDisplay", IDC_DISPLAY_TITLE, L"\u753B\u9762"},
        {"IDC_gRESOLUSION", IDC_RESOLUTION_LABEL, L"\u89E3\u50CF\u5EA6"},
        {"IDC_gWINDOW", IDC_WINDOW_MODE_CHECK, L"\uCC3D \uBAA8\uB4DC"},
        {"IDC_gFULL", IDC_FULL_SCREEN_CHECK, L"Plein \u00E9cran"},
        {"IDC_gBACKGROUND_GRAPHIC", IDC_BACKGROUND_GRAPHIC_TITLE, L"Hintergrund"},
        {"IDC_gGLOW", IDC_GLOW_LABEL, L"Lueur"},
        {"IDC_gBRIGHTNESS", IDC_BRIGHTNESS_LABEL, L"Luminosit\u00E9"},
        {"IDC_LOW", IDC_LOW, L"Bas"},
        {"IDC_HIGH", IDC_HIGH, L"Haut"},
        {"IDC_gDETAIL", IDC_DETAIL_LABEL, L"D\u00E9tail"},
        {"IDC_gMAX_FIELD", IDC_MAX_FIELD_LABEL, L"Champ"},
        {"IDC_gETC", IDC_ETC_TITLE, L"Divers"},
        {"IDC_iBAD_LANGUAGE", IDC_USE_FILTER_CHECK, L"Filtre"},
        {"IDC_iDUEL_REFUSAL", IDC_REJECT_FIGHT_CHECK, L"Pas de duel"},
        {"IDC_iTRANSACTION_REFUSAL", IDC_REJECT_TRADE_CHECK, L"Pas d'\u00E9change"},
        {"IDC_iPARTY_REFUSAL", IDC_REJECT_PARTY_CHECK, L"Pas de groupe"},
    };
    std::wstring file = L"\uFEFF[RES_TEXT]\r\n";
    for (const auto& c : captions) {
        file += std::wstring(c.key, c.key + std::char_traits<char>::length(c.key)) + L"=" + c.text +
                L"\r\n";
    }
    std::string bytes;
    for (const wchar_t ch : file) {  // UTF-16 little-endian; every character is in the BMP
        bytes += static_cast<char>(ch & 0xFF);
        bytes += static_cast<char>((ch >> 8) & 0xFF);
    }
    WriteBytes(folder_ / "T_CONFIG.INI", bytes);
    Then([&] {
        for (const auto& c : captions) EXPECT_EQ(TextOf(Control(c.id)), c.text) << c.key;
    });
    RunEditor();
}

struct ThumbCase {
    const char* file;
    int slider;
    int thumbLeft;
};

class GraphicPageThumbTest : public GraphicPageTest,
                             public ::testing::WithParamInterface<ThumbCase> {};

// The thumb stands at (width - 10) * position / (maximum + 5), pulled back 5 pixels near the
// right end: on a 162-pixel slider of 0 to 4100, positions 0, 2000, 3000 and 4100 put it at
// 0, 74, 111 and 146; of 0 to 2100, 0 and 2000 at 0 and 144.
TEST_P(GraphicPageThumbTest, TheThumbStandsWhereItsPositionSays) {
    const ThumbCase& c = GetParam();
    // A point of the thumb image that is not transparent.
    const int probeX = 5;
    const int probeY = 12;
    ASSERT_NE(BitmapPixel(IDB_SLIDER_THUMB, probeX, probeY), RGB(0, 255, 0));
    Write(c.file);
    Then([&] {
        RECT slider{};
        GetWindowRect(Control(c.slider), &slider);
        POINT origin{slider.left, slider.top};
        ScreenToClient(MainWindow(), &origin);
        EXPECT_EQ(slider.right - slider.left, 162);
        EXPECT_EQ(PixelAt(origin.x + c.thumbLeft + probeX, origin.y + probeY),
                  BitmapPixel(IDB_SLIDER_THUMB, probeX, probeY));
        const int elsewhere = c.thumbLeft > 80 ? 20 : 120;
        EXPECT_EQ(PixelAt(origin.x + elsewhere + probeX, origin.y + probeY),
                  BitmapPixel(IDB_SLIDER_CHANNEL, elsewhere + probeX, probeY))
            << "the channel shows away from the thumb";
        Press(kCancelButton);
    });
    RunEditor();
}

INSTANTIATE_TEST_SUITE_P(
    Thumbs, GraphicPageThumbTest,
    ::testing::Values(ThumbCase{"[VIDEO]\r\nGLOW_LEVEL=0\r\n", IDC_GLOW_SLIDER, 0},
                      ThumbCase{"[VIDEO]\r\nGLOW_LEVEL=2\r\n", IDC_GLOW_SLIDER, 74},
                      ThumbCase{"[VIDEO]\r\nGAMMA=3\r\n", IDC_BRIGHTNESS_SLIDER, 111},
                      ThumbCase{"[VIDEO]\r\nGAMMA=9\r\n", IDC_BRIGHTNESS_SLIDER, 146},
                      ThumbCase{"[VIDEO]\r\nTEXTURE=LOW\r\n", IDC_DETAIL_SLIDER, 0},
                      ThumbCase{"[VIDEO]\r\nRANGE=HIGH\r\n", IDC_MAX_FIELD_SLIDER, 144}));

}  // namespace
}  // namespace keldra::app::testing
