// Check boxes and owner-drawn push buttons: clicks by mouse and Space, presses released
// outside, characters, check state messages, the owner-draw conversation and the look.
#include "controls/ControlTestSupport.h"

namespace keldra::platform::user::controls::testing {
namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 16;

class CheckBoxTest : public ControlTest {
  protected:
    HWND box_ = Make(L"Button", L"Window mode", BS_AUTOCHECKBOX | WS_TABSTOP,
                     At(10, 10, kWidth, kHeight), 1002);
    HWND other_ = Make(L"Button", L"Full screen", BS_AUTOCHECKBOX | WS_TABSTOP,
                       At(10, 40, kWidth, kHeight), 1003);

    bool Checked(HWND box) const { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::size_t Clicks() const { return Codes(WM_COMMAND).size(); }
};

TEST_F(CheckBoxTest, ClickTogglesAndTellsTheParent) {
    Click(box_, 5, 8);
    EXPECT_TRUE(Checked(box_));
    ASSERT_EQ(Notices(WM_COMMAND).size(), 1u);
    EXPECT_EQ(Notices(WM_COMMAND)[0].code, BN_CLICKED);
    EXPECT_EQ(Notices(WM_COMMAND)[0].value, 1002);
    EXPECT_EQ(Notices(WM_COMMAND)[0].from, box_);
    Click(box_, 60, 8);  // on the text counts too
    EXPECT_FALSE(Checked(box_));
    EXPECT_EQ(Clicks(), 2u);
    EXPECT_FALSE(Checked(other_));
    EXPECT_EQ(GetFocus(), box_);
}

// The press takes the focus and pushes the box; the release lets it go and checks it. Each
// comes before its own next frame: the box is drawn once per frame, in its last look, not
// once for each step nobody could see.
TEST_F(CheckBoxTest, APressAndAReleaseDrawTheBoxOnceEach) {
    Settle();
    const int beforePress = ColourRequests(box_);
    Press(box_, 5, 8);
    EXPECT_EQ(ColourRequests(box_) - beforePress, 1);
    const int beforeRelease = ColourRequests(box_);
    Release(box_, 5, 8);
    EXPECT_EQ(ColourRequests(box_) - beforeRelease, 1);
    EXPECT_TRUE(Checked(box_));
}

TEST_F(CheckBoxTest, HoldsTheMouseWhilePressedAndIgnoresAReleaseOutside) {
    Press(box_, 5, 8);
    EXPECT_EQ(GetCapture(), box_);
    EXPECT_EQ(SendMessageW(box_, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    MoveTo(box_, kWidth + 30, 8);
    EXPECT_EQ(SendMessageW(box_, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    Release(box_, kWidth + 30, 8);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Checked(box_));
    EXPECT_EQ(Clicks(), 0u);
}

TEST_F(CheckBoxTest, APressThatLeavesAndComesBackStillClicks) {
    Press(box_, 5, 8);
    MoveTo(box_, 5, 60);
    MoveTo(box_, 8, 8);
    Release(box_, 8, 8);
    EXPECT_TRUE(Checked(box_));
    EXPECT_EQ(Clicks(), 1u);
}

TEST_F(CheckBoxTest, SpaceTogglesOnRelease) {
    SetFocus(box_);
    host_.KeyDown(VK_SPACE);
    Settle();
    EXPECT_FALSE(Checked(box_)) << "toggled on the press";
    host_.KeyDown(VK_SPACE);  // auto-repeat
    Settle();
    host_.KeyUp(VK_SPACE);
    Settle();
    EXPECT_TRUE(Checked(box_));
    EXPECT_EQ(Clicks(), 1u);
    Type(VK_SPACE);
    EXPECT_FALSE(Checked(box_));
    EXPECT_EQ(Clicks(), 2u);
}

TEST_F(CheckBoxTest, SpaceLetGoAfterTheFocusLeftDoesNothing) {
    SetFocus(box_);
    host_.KeyDown(VK_SPACE);
    Settle();
    SetFocus(other_);
    host_.KeyUp(VK_SPACE);
    Settle();
    EXPECT_FALSE(Checked(box_));
    EXPECT_FALSE(Checked(other_));
    EXPECT_EQ(Clicks(), 0u);
}

TEST_F(CheckBoxTest, PlusAndEqualsCheckMinusUnchecks) {
    struct Step {
        wchar_t character;
        bool checkedAfter;
        std::size_t clicksAfter;
    };
    const Step steps[] = {{L'+', true, 1},  {L'+', true, 1}, {L'-', false, 2},
                          {L'-', false, 2}, {L'=', true, 3}, {L'x', true, 3}};
    SetFocus(box_);
    for (const Step& step : steps) {
        PostMessageW(box_, WM_CHAR, step.character, 0);
        Settle();
        EXPECT_EQ(Checked(box_), step.checkedAfter) << static_cast<char>(step.character);
        EXPECT_EQ(Clicks(), step.clicksAfter) << static_cast<char>(step.character);
    }
}

TEST_F(CheckBoxTest, CheckMessagesChangeTheStateSilently) {
    SendMessageW(box_, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(Checked(box_));
    SendMessageW(box_, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(Checked(box_));
    EXPECT_EQ(Clicks(), 0u);
    EXPECT_EQ(SendMessageW(box_, WM_GETDLGCODE, 0, 0),
              static_cast<LRESULT>(DLGC_BUTTON | DLGC_WANTCHARS));
}

TEST_F(CheckBoxTest, DrawsASunkenWhiteBoxWithACheckMarkAndTheTextAfterIt) {
    Settle();
    const int boxTop = (kHeight - 13) / 2;
    EXPECT_EQ(Pixel(box_, 6, boxTop + 6), RGB(255, 255, 255));        // white face
    EXPECT_NE(Pixel(box_, 0, boxTop), Pixel(box_, 12, boxTop + 12));  // shadow vs light
    EXPECT_EQ(Pixel(box_, 14, 2), kLabelBrushColour);  // the gap uses the parent's brush
    EXPECT_GE(ColourRequests(box_), 1);
    int ink = 0;
    for (int x = 16; x < kWidth; ++x)
        for (int y = 0; y < kHeight; ++y) ink += GetRValue(Pixel(box_, x, y)) > 140;
    EXPECT_GT(ink, 20) << "the text is missing after the box";

    auto inkInBox = [&] {
        int dark = 0;
        for (int x = 2; x < 11; ++x)
            for (int y = boxTop + 2; y < boxTop + 11; ++y)
                dark += Pixel(box_, x, y) == RGB(0, 0, 0);
        return dark;
    };
    EXPECT_EQ(inkInBox(), 0);
    SendMessageW(box_, BM_SETCHECK, BST_CHECKED, 0);
    Settle();
    EXPECT_EQ(inkInBox(), 21) << "the 7 x 7 check mark has 21 pixels";
}

TEST_F(CheckBoxTest, OnlyTheFocusedBoxShowsTheFocusFrame) {
    // The frame inverts the background on its dots, which no other part of the box draws.
    const COLORREF inverted = RGB(255 - 20, 255 - 120, 255 - 40);
    auto framePixels = [&](HWND box) {
        int count = 0;
        for (int x = 0; x < kWidth; ++x)
            for (int y = 0; y < kHeight; ++y) count += Pixel(box, x, y) == inverted;
        return count;
    };
    Settle();
    EXPECT_EQ(framePixels(box_), 0);
    EXPECT_EQ(framePixels(other_), 0);
    SetFocus(box_);
    Settle();
    EXPECT_GT(framePixels(box_), 20);
    EXPECT_EQ(framePixels(other_), 0);
    SetFocus(other_);
    Settle();
    EXPECT_EQ(framePixels(box_), 0);
    EXPECT_GT(framePixels(other_), 20);
}

class OwnerDrawnButtonTest : public ControlTest {
  protected:
    HWND button_ = Make(L"Button", L"OK", BS_OWNERDRAW | WS_TABSTOP, At(20, 20, 81, 31), 1);

    std::vector<Notice> Draws() const { return Notices(WM_DRAWITEM); }
    bool LastDrawSelected() const {
        return !Draws().empty() && (Draws().back().code & ODS_SELECTED) != 0;
    }
};

TEST_F(OwnerDrawnButtonTest, AskItsOwnerToDrawItWithEveryChangeOfState) {
    Settle();
    ASSERT_FALSE(Draws().empty());
    EXPECT_EQ(Draws().back().value, static_cast<int>(ODA_DRAWENTIRE));
    EXPECT_EQ(Draws().back().from, button_);
    ClearNotices();

    Press(button_, 10, 10);
    EXPECT_EQ(GetCapture(), button_);
    EXPECT_TRUE(LastDrawSelected());
    MoveTo(button_, 200, 10);
    EXPECT_FALSE(LastDrawSelected()) << "still drawn pressed with the pointer outside";
    MoveTo(button_, 40, 10);
    EXPECT_TRUE(LastDrawSelected());
    EXPECT_TRUE(Codes(WM_COMMAND).empty());
    Release(button_, 40, 10);
    EXPECT_FALSE(LastDrawSelected());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Codes(WM_COMMAND), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(Notices(WM_COMMAND)[0].value, 1);
}

TEST_F(OwnerDrawnButtonTest, ReleaseOutsideDoesNotClick) {
    Press(button_, 10, 10);
    Release(button_, 10, 100);
    EXPECT_TRUE(Codes(WM_COMMAND).empty());
    EXPECT_FALSE(LastDrawSelected());
}

TEST_F(OwnerDrawnButtonTest, SpaceClicksItWhenFocused) {
    SetFocus(button_);
    Settle();
    EXPECT_NE(Draws().back().code & ODS_FOCUS, 0);
    ClearNotices();
    host_.KeyDown(VK_SPACE);
    Settle();
    EXPECT_TRUE(LastDrawSelected());
    host_.KeyUp(VK_SPACE);
    Settle();
    EXPECT_FALSE(LastDrawSelected());
    EXPECT_EQ(Codes(WM_COMMAND), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(SendMessageW(button_, WM_GETDLGCODE, 0, 0),
              static_cast<LRESULT>(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON));
}

}  // namespace
}  // namespace keldra::platform::user::controls::testing
