// The skinned surface on a real dialog: outline, size and place after set-up, the
// background over the whole window, labels and check boxes that show exactly the bitmap
// behind them in white text, the colour answer per control kind, and no brush left behind.
#include <utility>

#include "platform/gdi/GdiHandles.h"
#include "skin/SkinControlTestSupport.h"

namespace keldra::skin::testing {
namespace {

using platform::gdi::LiveObjectCount;
using platform::gdi::ObjectKind;

class SkinnedSurfaceTest : public SkinControlTest {
  protected:
    // Every pixel of the window's client area at the given points shows the background.
    void ExpectBackgroundAt(const SkinnedTestDialog& dialog, UINT bitmapId,
                            const std::vector<POINT>& points) const {
        for (const POINT& p : points) {
            EXPECT_EQ(Pixel(dialog, p.x, p.y), BitmapPixel(bitmapId, p.x, p.y))
                << "at " << p.x << "," << p.y;
        }
    }
    // Counts the pixels of a control that show the window's bitmap behind them exactly, and
    // expects every other one to be text: white laid over that background, so no channel
    // darker than the background's.
    int BackgroundPixelsOf(const CWnd& control, int fromX = 0) const {
        RECT client;
        ::GetClientRect(control.m_hWnd, &client);
        int exact = 0;
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = fromX; x < client.right; ++x) {
                const POINT at = InTopLevel(control, x, y);
                const COLORREF shown = Pixel(control, x, y);
                const COLORREF behind = BitmapPixel(kPageBackground, at.x, at.y);
                if (shown == behind) {
                    ++exact;
                    continue;
                }
                EXPECT_TRUE(GetRValue(shown) >= GetRValue(behind) &&
                            GetGValue(shown) >= GetGValue(behind) &&
                            GetBValue(shown) >= GetBValue(behind))
                    << "not text over the background at " << x << "," << y;
            }
        }
        return exact;
    }
    // Smoothed letters of white text: pixels close to white.
    int WhitePixelsOf(const CWnd& control) const {
        int white = 0;
        for (COLORREF pixel : Picture(control)) {
            white += GetRValue(pixel) >= 200 && GetGValue(pixel) >= 200 && GetBValue(pixel) >= 200;
        }
        return white;
    }
};

TEST_F(SkinnedSurfaceTest, TheMainWindowKeepsItsTopLeftAndTakesTheBitmapSizeAndOutline) {
    SkinnedTestDialog dialog(kMainBackground);
    Open(dialog);
    RECT frame;
    dialog.GetWindowRect(&frame);
    // Where the layout put it: 20 x 30 dialog units from the screen's corner.
    EXPECT_EQ(frame.left, 30);
    EXPECT_EQ(frame.top, 49);
    EXPECT_EQ(frame.right - frame.left, 456);
    EXPECT_EQ(frame.bottom - frame.top, 653);

    const auto* native = host_.Find(dialog.m_hWnd);
    ASSERT_NE(native, nullptr);
    ASSERT_TRUE(native->state.shape.has_value());
    const std::pair<POINT, bool> samples[] = {
        {{0, 0}, false},     {{0, 300}, false},  {{1, 1}, false},     {{455, 300}, false},
        {{453, 300}, false}, {{452, 300}, true}, {{1, 300}, true},    {{200, 0}, false},
        {{200, 1}, true},    {{200, 649}, true}, {{200, 650}, false}, {{10, 10}, true},
    };
    for (const auto& [point, inside] : samples) {
        EXPECT_EQ(native->state.shape->Contains({point.x, point.y}), inside)
            << point.x << "," << point.y;
    }
    dialog.DestroyWindow();
}

TEST_F(SkinnedSurfaceTest, APageMovesToItsParentsCornerWithTheBitmapSize) {
    SkinnedTestDialog main(kMainBackground);
    Open(main);
    SkinnedTestDialog page(kPageBackground, SkinnedSurface::Placement::ParentOrigin, kPageLayout);
    ASSERT_TRUE(page.Create(kPageLayout, &main));
    Settle();
    RECT frame;
    page.GetWindowRect(&frame);
    main.ScreenToClient(reinterpret_cast<LPPOINT>(&frame.left));
    main.ScreenToClient(reinterpret_cast<LPPOINT>(&frame.right));
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(frame.right, 420);
    EXPECT_EQ(frame.bottom, 520);
    // The page's own background covers it, not the main window's (whose cut corner hides
    // the page's very first pixel).
    ExpectBackgroundAt(page, kPageBackground, {{10, 10}, {5, 200}, {419, 519}, {210, 300}});
    page.DestroyWindow();
    main.DestroyWindow();
}

TEST_F(SkinnedSurfaceTest, TheBackgroundCoversTheWholeWindow) {
    SkinnedTestDialog dialog;
    Open(dialog);
    ExpectBackgroundAt(dialog, kPageBackground,
                       {{0, 0}, {419, 0}, {0, 519}, {419, 519}, {210, 5}, {300, 480}, {5, 400}});
    dialog.DestroyWindow();
}

// Labels without text show nothing but their background, so every pixel is checked.
TEST_F(SkinnedSurfaceTest, AnEmptyLabelShowsExactlyTheBitmapBehindIt) {
    SkinnedTestDialog dialog;
    Open(dialog);
    for (CWnd* control :
         {static_cast<CWnd*>(&dialog.m_label), static_cast<CWnd*>(&dialog.m_nestedLabel)}) {
        control->SetWindowText(L"");
        control->Invalidate(TRUE);
        Settle();
        RECT client;
        control->GetClientRect(&client);
        EXPECT_EQ(BackgroundPixelsOf(*control), client.right * client.bottom);
    }
    dialog.DestroyWindow();
}

TEST_F(SkinnedSurfaceTest, LabelsAndCheckBoxesDrawWhiteTextWithNoBoxOverTheBackground) {
    SkinnedTestDialog dialog;
    Open(dialog);
    dialog.m_nestedLabel.SetWindowText(L"Nested");
    Settle();
    struct Case {
        const char* name;
        CWnd* control;
        int textFromX;  // a check box's own square is not background
    };
    const Case cases[] = {
        {"label", &dialog.m_label, 0},
        {"check box", &dialog.m_check, 16},
        {"nested label", &dialog.m_nestedLabel, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECT client;
        c.control->GetClientRect(&client);
        const int area = (client.right - c.textFromX) * client.bottom;
        const int exact = BackgroundPixelsOf(*c.control, c.textFromX);
        EXPECT_GT(exact, area / 2);  // mostly background between and around the letters
        EXPECT_LT(exact, area);      // and some text
        EXPECT_GT(WhitePixelsOf(*c.control), 5);
    }
    dialog.DestroyWindow();
}

TEST_F(SkinnedSurfaceTest, OnlyTheStaticKindGetsWhiteTextAndTheWindowBrush) {
    SkinnedTestDialog dialog;
    Open(dialog);
    CWnd* label = &dialog.m_label;
    const HBRUSH defaultBrush = GetSysColorBrush(COLOR_BTNFACE);
    const UINT kinds[] = {CTLCOLOR_MSGBOX, CTLCOLOR_EDIT,      CTLCOLOR_LISTBOX, CTLCOLOR_BTN,
                          CTLCOLOR_DLG,    CTLCOLOR_SCROLLBAR, CTLCOLOR_STATIC};
    for (UINT kind : kinds) {
        SCOPED_TRACE(kind);
        CClientDC dc(label);
        dc.SetTextColor(RGB(1, 2, 3));
        dc.SetBkMode(OPAQUE);
        const HBRUSH answer =
            SkinnedSurface::ControlColour(dialog, &dc, label, kind, defaultBrush, dialog.m_brBack);
        const bool isStatic = kind == CTLCOLOR_STATIC;
        EXPECT_EQ(answer, isStatic ? static_cast<HBRUSH>(dialog.m_brBack) : defaultBrush);
        EXPECT_EQ(GetTextColor(dc), isStatic ? RGB(255, 255, 255) : RGB(1, 2, 3));
        EXPECT_EQ(GetBkMode(dc), isStatic ? TRANSPARENT : OPAQUE);
    }
    dialog.DestroyWindow();
}

TEST_F(SkinnedSurfaceTest, AMissingBitmapLeavesTheWindowItsLayoutSizeAndNoOutline) {
    SkinnedTestDialog dialog(4711);
    Open(dialog);
    RECT frame;
    dialog.GetWindowRect(&frame);
    EXPECT_EQ(frame.right - frame.left, 420);  // 280 x 320 dialog units
    EXPECT_EQ(frame.bottom - frame.top, 520);
    const auto* native = host_.Find(dialog.m_hWnd);
    ASSERT_NE(native, nullptr);
    EXPECT_FALSE(native->state.shape.has_value());
    EXPECT_EQ(dialog.m_bmpBack.m_hObject, nullptr);
    EXPECT_EQ(dialog.m_brBack.m_hObject, nullptr);
    dialog.DestroyWindow();
}

TEST_F(SkinnedSurfaceTest, NoBrushOrBitmapOutlivesTheWindow) {
    const std::size_t brushes = LiveObjectCount(ObjectKind::Brush);
    const std::size_t all = LiveObjectCount();
    {
        SkinnedTestDialog dialog;
        Open(dialog);
        EXPECT_GT(LiveObjectCount(ObjectKind::Brush), brushes);
        dialog.DestroyWindow();
        Settle();
        EXPECT_EQ(dialog.m_brBack.m_hObject, nullptr);
        EXPECT_EQ(LiveObjectCount(ObjectKind::Brush), brushes);
    }
    EXPECT_EQ(LiveObjectCount(), all);
}

}  // namespace
}  // namespace keldra::skin::testing
