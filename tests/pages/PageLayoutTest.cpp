// The three pages as a player sees them: every control's place and size in pixels, its
// kind and the style bits that change how it is drawn (alignment, centring, check box,
// slider without ticks), the caption it looks up, and the order of the controls (the tab
// order). The pages are read as the editor builds them, with a caption file in which every
// key has its own text, so a moved control, a swapped pair, a lost alignment or a swapped
// caption key shows here even though clicks and value tests follow any layout.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "EditorTestSupport.h"
#include "support/TempFolder.h"

namespace keldra::pages::testing {
namespace {

// The kinds of control on the pages, each with the class and style bits it is drawn with.
enum class Kind {
    Label,             // left-aligned text
    CentredLabel,      // centred text
    RightLabel,        // right-aligned by its static style
    ExRightLabel,      // right-aligned by the extended right-alignment style
    TransparentLabel,  // left-aligned, transparent extended style
    CheckBox,          // ticks itself when clicked, tab stop
    Slider,            // trackbar without ticks, thumb pointing both ways, tab stop
    DropDownList,      // drop-down list, vertical scroll bar, not sorted, tab stop
};

// A control as the layout describes it. Places are pixels relative to the page (left, top,
// right, bottom), from the dialog units in the comment with the fixed base units 6 x 13:
// x * 6 / 4 and y * 13 / 8, halves rounded up; sizes convert on their own, so
// right = left + width * 6 / 4.
struct Control {
    int id;
    Kind kind;
    RECT place;
    const wchar_t* captionKey;  // nullptr: the control shows no caption
};

// clang-format off
const Control kGraphicPage[] = {                                  // dialog units
    {1006, Kind::Label,            {30, 29, 236, 42},    L"IDC_gDisplay"},             // 20, 18, 137, 8
    {1002, Kind::CheckBox,         {240, 68, 326, 97},   L"IDC_gWINDOW"},              // 160, 42, 57, 18
    {1003, Kind::CheckBox,         {240, 106, 318, 135}, L"IDC_gFULL"},                // 160, 65, 52, 18
    {1005, Kind::DropDownList,     {60, 99, 171, 223},   nullptr},                     // 40, 61, 74, 76
    {1007, Kind::Label,            {60, 76, 186, 89},    L"IDC_gRESOLUSION"},          // 40, 47, 84, 8
    {1008, Kind::Label,            {29, 174, 235, 187},  L"IDC_gBACKGROUND_GRAPHIC"},  // 19, 107, 137, 8
    {1045, Kind::Slider,           {41, 237, 203, 261},  nullptr},                     // 27, 146, 108, 15
    {1046, Kind::Slider,           {212, 237, 374, 261}, nullptr},                     // 141, 146, 108, 15
    {1047, Kind::Slider,           {212, 320, 374, 344}, nullptr},                     // 141, 197, 108, 15
    {1048, Kind::Slider,           {41, 320, 203, 344},  nullptr},                     // 27, 197, 108, 15
    {1013, Kind::Label,            {41, 216, 172, 229},  L"IDC_gGLOW"},                // 27, 133, 87, 8
    {1014, Kind::Label,            {212, 216, 343, 229}, L"IDC_gBRIGHTNESS"},          // 141, 133, 87, 8
    {1018, Kind::Label,            {212, 297, 343, 310}, L"IDC_gMAX_FIELD"},           // 141, 183, 87, 8
    {1017, Kind::TransparentLabel, {41, 297, 172, 310},  L"IDC_gDETAIL"},              // 27, 183, 87, 8
    {1015, Kind::Label,            {41, 268, 82, 281},   L"IDC_LOW"},                  // 27, 165, 27, 8
    {1016, Kind::RightLabel,       {155, 268, 203, 281}, L"IDC_HIGH"},                 // 103, 165, 32, 8
    {1019, Kind::Label,            {29, 387, 235, 400},  L"IDC_gETC"},                 // 19, 238, 137, 8
    {1038, Kind::CheckBox,         {233, 424, 380, 440}, L"IDC_iBAD_LANGUAGE"},        // 155, 261, 98, 10
    {1031, Kind::CheckBox,         {59, 460, 206, 476},  L"IDC_iPARTY_REFUSAL"},       // 39, 283, 98, 10
    {1030, Kind::CheckBox,         {59, 424, 206, 440},  L"IDC_iTRANSACTION_REFUSAL"}, // 39, 261, 98, 10
    {1029, Kind::CheckBox,         {233, 460, 380, 476}, L"IDC_iDUEL_REFUSAL"},        // 155, 283, 98, 10
};

const Control kInterfacePage[] = {                                // dialog units
    {1043, Kind::Label,        {29, 29, 223, 42},    L"IDC_iOPERATION"},               // 19, 18, 129, 8
    {1022, Kind::CheckBox,     {59, 68, 185, 84},    L"IDC_MOUSE_USE"},                // 39, 42, 84, 10
    {1023, Kind::CheckBox,     {59, 107, 185, 123},  L"IDC_iMOUSE_inversion"},         // 39, 66, 84, 10
    {1024, Kind::CheckBox,     {59, 146, 203, 162},  L"IDC_iMOUSE_UPDOWN_INVERSION"},  // 39, 90, 96, 10
    {1044, Kind::Label,        {206, 72, 361, 85},   L"IDC_iMOUSE_SENSITIVITY"},       // 137, 44, 103, 8
    {1049, Kind::Slider,       {206, 93, 368, 117},  nullptr},                         // 137, 57, 108, 15
    {1015, Kind::Label,        {206, 125, 239, 138}, L"IDC_LOW"},                      // 137, 77, 22, 8
    {1016, Kind::ExRightLabel, {335, 125, 368, 138}, L"IDC_HIGH"},                     // 223, 77, 22, 8
    {1042, Kind::Label,        {29, 192, 223, 205},  L"IDC_iDISPLAY"},                 // 19, 118, 129, 8
    {1026, Kind::CheckBox,     {59, 226, 206, 242},  L"IDC_iPLAYER_NAME"},             // 39, 139, 98, 10
    {1027, Kind::CheckBox,     {59, 263, 206, 279},  L"IDC_iMY_NAME"},                 // 39, 162, 98, 10
    {1028, Kind::CheckBox,     {59, 301, 206, 317},  L"IDC_iMONSTER_NAME"},            // 39, 185, 98, 10
    {1032, Kind::CheckBox,     {59, 413, 206, 429},  L"IDC_iUI_REOPEN"},               // 39, 254, 98, 10
    {1033, Kind::CheckBox,     {59, 450, 206, 466},  L"IDC_iALL_WINDOWS"},             // 39, 277, 98, 10
    {1034, Kind::CheckBox,     {233, 226, 380, 242}, L"IDC_iPITCH"},                   // 155, 139, 98, 10
    {1035, Kind::CheckBox,     {233, 263, 380, 279}, L"IDC_iMANTEAU"},                 // 155, 162, 98, 10
    {1036, Kind::CheckBox,     {233, 301, 380, 317}, L"IDC_iARAMS"},                   // 155, 185, 98, 10
    {1037, Kind::CheckBox,     {233, 338, 380, 354}, L"IDC_iTALK_BALLOON"},            // 155, 208, 98, 10
    {1039, Kind::CheckBox,     {233, 413, 380, 429}, L"IDC_iWARNING"},                 // 155, 254, 98, 10
    {1040, Kind::CheckBox,     {233, 375, 380, 391}, L"IDC_iSHAKE"},                   // 155, 231, 98, 10
    {1041, Kind::CheckBox,     {233, 450, 380, 466}, L"IDC_iDAMAGE_HIDE"},             // 155, 277, 98, 10
    {1021, Kind::CheckBox,     {59, 338, 154, 354},  L"IDC_gWATER_REFLECTION"},        // 39, 208, 63, 10
    {1020, Kind::CheckBox,     {59, 375, 145, 391},  L"IDC_gSHADOW"},                  // 39, 231, 57, 10
};

// The effect slider stands first on screen but last in the tab order.
const Control kSoundPage[] = {                                    // dialog units
    {1028, Kind::Label,        {29, 31, 175, 44},    L"IDC_sVOLUME"},                  // 19, 19, 97, 8
    {1029, Kind::CentredLabel, {51, 111, 161, 124},  L"IDC_iSOUND_EFFECT"},            // 34, 68, 73, 8
    {1030, Kind::CentredLabel, {51, 166, 161, 179},  L"IDC_sBACKGROUND_MUSIC"},        // 34, 102, 73, 8
    {1031, Kind::CentredLabel, {51, 223, 161, 236},  L"IDC_sENVIRONMENT"},             // 34, 137, 73, 8
    {1015, Kind::Label,        {173, 85, 223, 98},   L"IDC_LOW"},                      // 115, 52, 33, 8
    {1016, Kind::ExRightLabel, {296, 85, 335, 98},   L"IDC_HIGH"},                     // 197, 52, 26, 8
    {1011, Kind::Slider,       {173, 163, 335, 187}, nullptr},                         // 115, 100, 108, 15
    {1012, Kind::Slider,       {173, 219, 335, 243}, nullptr},                         // 115, 135, 108, 15
    {1032, Kind::Label,        {29, 325, 175, 338},  L"IDC_sETC"},                     // 19, 200, 97, 8
    {1033, Kind::CheckBox,     {59, 380, 172, 396},  L"IDC_sCHARACTER_VOICE"},         // 39, 234, 75, 10
    {1034, Kind::CheckBox,     {233, 380, 346, 396}, L"IDC_sNPC_VOICE"},               // 155, 234, 75, 10
    {1035, Kind::CheckBox,     {59, 427, 172, 443},  L"IDC_sDANGER"},                  // 39, 263, 75, 10
    {1010, Kind::Slider,       {173, 107, 335, 131}, nullptr},                         // 115, 66, 108, 15
};
// clang-format on

// What a kind looks like as a window: its class, and its style and extended style under
// masks that hold the bits that change the drawing (a notify bit, for one, does not).
struct Look {
    const wchar_t* className;
    DWORD styleMask;
    DWORD style;
    DWORD exStyleMask;
    DWORD exStyle;
};

// Windows API values of bits the program itself never sets.
constexpr DWORD kHorizontalScrollBar = 0x00100000;  // WS_HSCROLL
constexpr DWORD kDialogFrame = 0x00400000;          // WS_DLGFRAME
constexpr DWORD kStaticNotify = 0x0100;             // SS_NOTIFY
constexpr DWORD kButtonNotify = 0x4000;             // BS_NOTIFY
constexpr DWORD kComboOwnerDraw = 0x0030;           // CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE
constexpr DWORD kExEdges = 0x00020200;              // WS_EX_STATICEDGE | WS_EX_CLIENTEDGE
constexpr DWORD kExRightToLeft = 0x00002000;        // WS_EX_RTLREADING

constexpr DWORD kWindowBits = WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_TABSTOP | WS_VSCROLL |
                              kHorizontalScrollBar | WS_BORDER | kDialogFrame;
constexpr DWORD kStaticBits = 0xFFFF & ~kStaticNotify;
constexpr DWORD kButtonBits = 0xFFFF & ~kButtonNotify;
constexpr DWORD kTrackbarBits = 0x00FF;  // orientation, tick and thumb styles
constexpr DWORD kComboBits = 0x0003 | kComboOwnerDraw | CBS_SORT;
constexpr DWORD kExBits = WS_EX_RIGHT | kExRightToLeft | WS_EX_TRANSPARENT | kExEdges;
constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;

Look LookOf(Kind kind) {
    const auto label = [](DWORD style, DWORD exStyle) {
        return Look{L"Static", kWindowBits | kStaticBits, kShown | style, kExBits, exStyle};
    };
    switch (kind) {
        case Kind::Label:
            return label(SS_LEFT, 0);
        case Kind::CentredLabel:
            return label(SS_CENTER, 0);
        case Kind::RightLabel:
            return label(SS_RIGHT, 0);
        case Kind::ExRightLabel:
            return label(SS_LEFT, WS_EX_RIGHT);
        case Kind::TransparentLabel:
            return label(SS_LEFT, WS_EX_TRANSPARENT);
        case Kind::CheckBox:
            return {L"Button", kWindowBits | kButtonBits, kShown | WS_TABSTOP | BS_AUTOCHECKBOX,
                    kExBits, 0};
        case Kind::Slider:
            return {L"msctls_trackbar32", kWindowBits | kTrackbarBits,
                    kShown | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_BOTH, kExBits, 0};
        case Kind::DropDownList:
            return {L"ComboBox", kWindowBits | kComboBits,
                    kShown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kExBits, 0};
    }
    return {};
}

// A child window of a page as built, in the order GetWindow walks the children.
struct Built {
    int id;
    std::wstring className;
    RECT place;
    DWORD style;
    DWORD exStyle;
    std::wstring text;
};

std::vector<Built> ChildrenOf(HWND page) {
    std::vector<Built> children;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        Built built{GetDlgCtrlID(child), {}, {}, 0, 0, {}};
        wchar_t text[512] = {};
        GetClassNameW(child, text, 512);
        built.className = text;
        text[0] = L'\0';
        GetWindowTextW(child, text, 512);
        built.text = text;
        GetWindowRect(child, &built.place);
        ScreenToClient(page, reinterpret_cast<POINT*>(&built.place.left));
        ScreenToClient(page, reinterpret_cast<POINT*>(&built.place.right));
        built.style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        built.exStyle = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_EXSTYLE));
        children.push_back(std::move(built));
    }
    return children;
}

std::string Describe(const RECT& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
}

std::string Hex(DWORD bits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(bits));
    return text;
}

// The text each caption key maps to in the test's caption file.
std::wstring CaptionFor(const wchar_t* key) {
    return std::wstring(key) + L"!";
}

template <std::size_t N>
void ExpectPageAsSpecified(const std::vector<Built>& built, const Control (&expected)[N]) {
    std::vector<int> builtOrder;
    for (const Built& b : built) builtOrder.push_back(b.id);
    std::vector<int> expectedOrder;
    for (const Control& c : expected) expectedOrder.push_back(c.id);
    EXPECT_EQ(builtOrder, expectedOrder) << "the controls' order (tab order)";

    for (const Control& control : expected) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        const Built* found = nullptr;
        for (const Built& b : built) {
            if (b.id == control.id) found = &b;
        }
        ASSERT_NE(found, nullptr);
        const Look look = LookOf(control.kind);
        EXPECT_EQ(found->className, look.className);
        if (control.kind == Kind::DropDownList) {
            // The window is the closed selection field; the layout's height is how far the
            // list drops.
            RECT field = control.place;
            field.bottom = found->place.bottom;
            EXPECT_EQ(Describe(found->place), Describe(field));
            EXPECT_GT(found->place.bottom, found->place.top);
            EXPECT_LT(found->place.bottom, control.place.bottom);
        } else {
            EXPECT_EQ(Describe(found->place), Describe(control.place));
        }
        EXPECT_EQ(Hex(found->style & look.styleMask), Hex(look.style));
        EXPECT_EQ(Hex(found->exStyle & look.exStyleMask), Hex(look.exStyle));
        if (control.captionKey != nullptr) {
            EXPECT_EQ(found->text, CaptionFor(control.captionKey));
        }
    }
}

class PageLayoutTest : public app::testing::EditorTest {
  protected:
    PageLayoutTest() {
        // Every caption key of the three pages gets a text of its own.
        std::string captions = "[RES_TEXT]\r\n";
        for (const std::span<const Control> page :
             {std::span<const Control>(kGraphicPage), std::span<const Control>(kInterfacePage),
              std::span<const Control>(kSoundPage)}) {
            for (const Control& control : page) {
                if (control.captionKey == nullptr) continue;
                const std::wstring key(control.captionKey);
                const std::string narrow(key.begin(), key.end());  // the keys are ASCII
                captions += narrow + "=" + narrow + "!\r\n";
            }
        }
        keldra::testing::WriteBytes(folder_ / "T_CONFIG.INI", captions);
    }

    // Starts the editor, reads the page's children as built, and closes with Cancel.
    std::vector<Built> BuiltPage(HWND (::CConfigDlg::*page)() const) {
        std::vector<Built> built;
        bool read = false;
        Then([&] {
            built = ChildrenOf((Main().*page)());
            read = true;
            ClickAt(360 + 40, 610 + 15);
        });
        EXPECT_EQ(RunEditor(), IDCANCEL);
        EXPECT_TRUE(read) << "the editor closed before the page was read";
        return built;
    }
};

TEST_F(PageLayoutTest, GraphicPageControlsArePlacedStyledAndCaptionedAsSpecified) {
    ExpectPageAsSpecified(BuiltPage(&::CConfigDlg::GraphicPage), kGraphicPage);
}

TEST_F(PageLayoutTest, InterfacePageControlsArePlacedStyledAndCaptionedAsSpecified) {
    ExpectPageAsSpecified(BuiltPage(&::CConfigDlg::InterfacePage), kInterfacePage);
}

TEST_F(PageLayoutTest, SoundPageControlsArePlacedStyledAndCaptionedAsSpecified) {
    ExpectPageAsSpecified(BuiltPage(&::CConfigDlg::SoundPage), kSoundPage);
}

}  // namespace
}  // namespace keldra::pages::testing
