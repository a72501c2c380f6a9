// Labels: background from the parent's WM_CTLCOLORSTATIC brush, text in the colour the
// parent set, alignment, word wrapping, and clicks that pass through to the parent.
#include <string>
#include <utility>

#include "controls/ControlTestSupport.h"

namespace keldra::platform::user::controls::testing {
namespace {

class StaticTest : public ControlTest {
  protected:
    // Smoothed text has few pixels of the pure text colour; ink is what leans toward it.
    static bool IsInk(COLORREF c) { return GetRValue(c) > 140 && GetBValue(c) > 140; }

    // Leftmost and rightmost columns holding ink in rows [top, bottom).
    std::pair<int, int> InkColumns(HWND label, int width, int top, int bottom) const {
        int first = -1;
        int last = -1;
        for (int x = 0; x < width; ++x) {
            for (int y = top; y < bottom; ++y) {
                if (!IsInk(Pixel(label, x, y))) continue;
                if (first < 0) first = x;
                last = x;
            }
        }
        return {first, last};
    }
};

TEST_F(StaticTest, FillsItsBackgroundWithTheParentsBrushAndDrawsInItsTextColour) {
    HWND label = Make(L"Static", L"Brightness", SS_LEFT, At(10, 10, 120, 13), 1013);
    Settle();
    EXPECT_GE(ColourRequests(label), 1);
    EXPECT_EQ(Pixel(label, 119, 0), kLabelBrushColour);
    EXPECT_EQ(Pixel(label, 119, 12), kLabelBrushColour);
    const auto [first, last] = InkColumns(label, 120, 0, 13);
    EXPECT_GE(first, 0) << "no text drawn in the parent's text colour";
    EXPECT_GT(last, first);
}

TEST_F(StaticTest, AlignsByStyle) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        const char* where;
    };
    const Case cases[] = {{SS_LEFT, 0, "left"},
                          {SS_CENTER, 0, "centre"},
                          {SS_RIGHT, 0, "right"},
                          {SS_LEFT, WS_EX_RIGHT, "right"}};
    int y = 0;
    for (const Case& c : cases) {
        HWND label = Make(L"Static", L"Low", c.style, At(10, y, 150, 13), 1015, c.exStyle);
        y += 20;
        Settle();
        const auto [first, last] = InkColumns(label, 150, 0, 13);
        ASSERT_GE(first, 0) << c.where;
        const int leftGap = first;
        const int rightGap = 149 - last;
        if (std::string(c.where) == "left") {
            EXPECT_LT(leftGap, 3) << c.where;
            EXPECT_GT(rightGap, 100) << c.where;
        } else if (std::string(c.where) == "right") {
            EXPECT_LT(rightGap, 3) << c.exStyle;
            EXPECT_GT(leftGap, 100) << c.exStyle;
        } else {
            EXPECT_NEAR(leftGap, rightGap, 2);
        }
    }
}

TEST_F(StaticTest, WrapsLongTextAtWordBreaks) {
    HWND wrapped =
        Make(L"Static", L"Reject for transaction requests", SS_LEFT, At(10, 10, 70, 40), 1030);
    Settle();
    const auto firstLine = InkColumns(wrapped, 70, 0, 13);
    const auto secondLine = InkColumns(wrapped, 70, 13, 26);
    EXPECT_GE(firstLine.first, 0);
    EXPECT_GE(secondLine.first, 0) << "the text did not wrap onto a second line";
}

TEST_F(StaticTest, APatternBrushStartsAtTheLabelsOwnCorner) {
    // A 2 x 1 pattern of two colours: the label's first column shows the first one
    // wherever the label sits, here at an odd x.
    HDC screen = GetDC(parent_);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP pattern = CreateCompatibleBitmap(screen, 2, 1);
    HGDIOBJ previous = SelectObject(memory, pattern);
    HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 200));
    const RECT left{0, 0, 1, 1};
    const RECT right{1, 0, 2, 1};
    FillRect(memory, &left, red);
    FillRect(memory, &right, blue);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(parent_, screen);
    HBRUSH patternBrush = CreatePatternBrush(pattern);

    HWND label = Make(L"Static", L"", SS_LEFT, At(11, 10, 40, 13), 1017, WS_EX_TRANSPARENT);
    SetLabelBrush(patternBrush);
    InvalidateRect(label, nullptr, TRUE);
    Settle();
    EXPECT_EQ(Pixel(label, 0, 0), RGB(200, 0, 0));
    EXPECT_EQ(Pixel(label, 1, 5), RGB(0, 0, 200));
    SetLabelBrush(nullptr);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(patternBrush), static_cast<HGDIOBJ>(red),
                           static_cast<HGDIOBJ>(blue), static_cast<HGDIOBJ>(pattern)}) {
        DeleteObject(object);
    }
}

TEST_F(StaticTest, PassesClicksToItsParentAndAsksForNoKeys) {
    HWND label = Make(L"Static", L"Glow", SS_LEFT, At(10, 10, 80, 13), 1013);
    Settle();
    EXPECT_EQ(SendMessageW(label, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    EXPECT_EQ(SendMessageW(label, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_STATIC));
    Click(label, 5, 5);
    EXPECT_EQ(Notices(WM_LBUTTONDOWN).size(), 1u) << "the press did not reach the parent";
}

TEST_F(StaticTest, RepaintsWithNewText) {
    HWND label = Make(L"Static", L"", SS_LEFT, At(10, 10, 80, 13), 1013);
    Settle();
    EXPECT_EQ(InkColumns(label, 80, 0, 13).first, -1);
    SetWindowTextW(label, L"Sound");
    Settle();
    EXPECT_GE(InkColumns(label, 80, 0, 13).first, 0);
}

}  // namespace
}  // namespace keldra::platform::user::controls::testing
