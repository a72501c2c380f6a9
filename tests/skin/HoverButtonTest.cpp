// CHoverButton on a real owner-drawn button of a skinned dialog: which of its three images
// shows after each sequence of pointer moves, rests, presses and selections; its caption;
// its size from the normal image; and a second SetSkin.
#include <algorithm>
#include <memory>
#include <string>

#include "platform/gdi/GdiHandles.h"
#include "skin/SkinControlTestSupport.h"

namespace keldra::skin::testing {
namespace {

constexpr UINT kTabNormal = 161;
constexpr UINT kTabHover = 162;
constexpr UINT kTabPressed = 163;
constexpr int kTabWidth = 100;
constexpr int kTabHeight = 25;

enum class Shown { Normal, Hover, Pressed, Unknown };

const char* NameOf(Shown shown) {
    switch (shown) {
        case Shown::Normal:
            return "normal";
        case Shown::Hover:
            return "hover";
        case Shown::Pressed:
            return "pressed";
        default:
            return "none of the three";
    }
}

enum class Step { Enter, Rest, Leave, HoldDown, LetGo, Select1, Select0, Select2 };

class HoverButtonTest : public SkinControlTest {
  protected:
    HoverButtonTest() { Reopen(); }
    ~HoverButtonTest() override { dialog_->DestroyWindow(); }

    // A fresh window with a fresh button.
    void Reopen() {
        if (dialog_) dialog_->DestroyWindow();
        dialog_ = std::make_unique<SkinnedTestDialog>();
        Open(*dialog_);
    }

    // The image whose pixels the button shows everywhere on its top and bottom rows, which
    // a caption never reaches.
    Shown ShownImage(UINT normal = kTabNormal, UINT hover = kTabHover,
                     UINT pressed = kTabPressed) const {
        RECT client;
        dialog_->m_button.GetClientRect(&client);
        const std::pair<Shown, UINT> images[] = {
            {Shown::Normal, normal}, {Shown::Hover, hover}, {Shown::Pressed, pressed}};
        for (const auto& [shown, id] : images) {
            bool all = true;
            for (int y : {2, static_cast<int>(client.bottom) - 3}) {
                for (int x = 1; x < client.right - 1 && all; x += 3) {
                    all = Pixel(dialog_->m_button, x, y) == BitmapPixel(id, x, y);
                }
            }
            if (all) return shown;
        }
        return Shown::Unknown;
    }
    void Play(Step step) {
        switch (step) {
            case Step::Enter:
                MoveTo(dialog_->m_button, 20, 12);
                break;
            case Step::Rest:
                Wait(1);
                break;
            case Step::Leave:
                MoveOutside();
                break;
            case Step::HoldDown:
                Press(dialog_->m_button, 20, 12);
                break;
            case Step::LetGo:
                Release();
                break;
            case Step::Select1:
                Select(1);
                break;
            case Step::Select0:
                Select(0);
                break;
            case Step::Select2:
                Select(2);
                break;
        }
    }
    void Select(int value) {
        dialog_->m_button.SetSelected(value);
        dialog_->m_button.Invalidate(TRUE);
        Settle();
    }
    static bool Bright(COLORREF pixel) {
        return GetRValue(pixel) >= 200 && GetGValue(pixel) >= 200 && GetBValue(pixel) >= 200;
    }

    std::unique_ptr<SkinnedTestDialog> dialog_;
};

TEST_F(HoverButtonTest, TheThreeTabImagesDifferWhereTheTestsLook) {
    // Otherwise ShownImage could not tell the states apart.
    EXPECT_NE(BitmapPixel(kTabNormal, 10, 2), BitmapPixel(kTabHover, 10, 2));
    EXPECT_NE(BitmapPixel(kTabNormal, 10, 2), BitmapPixel(kTabPressed, 10, 2));
    EXPECT_NE(BitmapPixel(kTabHover, 10, 2), BitmapPixel(kTabPressed, 10, 2));
}

struct Sequence {
    const char* name;
    std::vector<Step> steps;
    Shown shown;
    bool tracking;
    bool hover;
};

TEST_F(HoverButtonTest, EachSequenceEndsInItsImageAndTrackingState) {
    using enum Step;
    const Sequence sequences[] = {
        {"untouched", {}, Shown::Normal, false, false},
        {"pointer arrives", {Enter}, Shown::Normal, true, false},
        {"pointer rests 1 ms", {Enter, Rest}, Shown::Hover, true, true},
        {"across and out", {Enter, Rest, Leave}, Shown::Normal, false, false},
        {"out and back", {Enter, Rest, Leave, Enter, Rest}, Shown::Hover, true, true},
        {"held down", {Enter, Rest, HoldDown}, Shown::Pressed, true, true},
        {"released while hovering", {Enter, Rest, HoldDown, LetGo}, Shown::Hover, true, true},
        {"released before resting", {Enter, HoldDown, LetGo}, Shown::Normal, true, false},
        {"selected", {Select1}, Shown::Pressed, false, false},
        {"selected, hovered", {Select1, Enter, Rest}, Shown::Pressed, true, true},
        {"selected, held and released",
         {Select1, Enter, Rest, HoldDown, LetGo},
         Shown::Pressed,
         true,
         true},
        {"selected, left", {Select1, Enter, Rest, Leave}, Shown::Pressed, false, false},
        {"selected then 0", {Select1, Select0}, Shown::Normal, false, false},
        {"selected then 2", {Select1, Select2}, Shown::Normal, false, false},
        {"selected then 2 while hovering",
         {Select1, Enter, Rest, Select2},
         Shown::Hover,
         true,
         true},
    };
    const std::string snapshots = SnapshotDirectory();
    int index = 0;
    for (const Sequence& sequence : sequences) {
        SCOPED_TRACE(sequence.name);
        Reopen();
        for (Step step : sequence.steps) Play(step);
        EXPECT_STREQ(NameOf(ShownImage()), NameOf(sequence.shown));
        EXPECT_EQ(dialog_->m_button.Tracking(), sequence.tracking);
        EXPECT_EQ(dialog_->m_button.Hover(), sequence.hover);
        if (!snapshots.empty()) {
            host_.SavePng(dialog_->m_hWnd,
                          snapshots + "/hover-button-" + std::to_string(index) + ".png");
        }
        ++index;
    }
}

// The keyboard focus changes nothing that is drawn: no focus rectangle, no dotted frame.
TEST_F(HoverButtonTest, WithTheKeyboardFocusEachImageIsDrawnExactlyAsItIs) {
    using enum Step;
    const struct {
        const char* name;
        std::vector<Step> steps;
        UINT image;
    } states[] = {
        {"normal", {}, kTabNormal},
        {"hover", {Enter, Rest}, kTabHover},
        {"held down", {Enter, Rest, HoldDown}, kTabPressed},
        {"selected", {Select1}, kTabPressed},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.name);
        Reopen();
        dialog_->m_button.SetWindowText(L"");
        for (Step step : state.steps) Play(step);
        dialog_->m_button.SetFocus();
        dialog_->m_button.Invalidate(TRUE);
        Settle();
        ASSERT_EQ(::GetFocus(), dialog_->m_button.m_hWnd);
        EXPECT_GT(dialog_->m_button.focusedDraws, 0) << "the button was drawn with the focus";
        int differing = 0;
        for (int y = 0; y < kTabHeight; ++y) {
            for (int x = 0; x < kTabWidth; ++x) {
                differing += Pixel(dialog_->m_button, x, y) != BitmapPixel(state.image, x, y);
            }
        }
        EXPECT_EQ(differing, 0) << "pixels that are not the image's";
        if (std::ranges::find(state.steps, HoldDown) != state.steps.end()) Release();
    }
}

TEST_F(HoverButtonTest, WithTheKeyboardFocusACaptionedButtonLooksAsWithout) {
    dialog_->m_check.SetFocus();
    dialog_->m_button.Invalidate(TRUE);
    Settle();
    const auto unfocused = Picture(dialog_->m_button);
    dialog_->m_button.SetFocus();
    dialog_->m_button.Invalidate(TRUE);
    Settle();
    ASSERT_GT(dialog_->m_button.focusedDraws, 0);
    EXPECT_TRUE(Picture(dialog_->m_button) == unfocused);
}

TEST_F(HoverButtonTest, ATabIsSizedFromItsNormalImageAndShowsOnlyTheFirst25PressedRows) {
    RECT frame;
    dialog_->m_button.GetWindowRect(&frame);
    dialog_->ScreenToClient(reinterpret_cast<LPPOINT>(&frame.left));
    dialog_->ScreenToClient(reinterpret_cast<LPPOINT>(&frame.right));
    EXPECT_EQ(frame.left, 30);
    EXPECT_EQ(frame.top, 60);
    EXPECT_EQ(frame.right - frame.left, kTabWidth);
    EXPECT_EQ(frame.bottom - frame.top, kTabHeight);

    Press(dialog_->m_button, 50, 12);
    EXPECT_STREQ(NameOf(ShownImage()), NameOf(Shown::Pressed));
    for (int x = 0; x < kTabWidth; x += 7) {
        EXPECT_EQ(Pixel(dialog_->m_button, x, kTabHeight - 1),
                  BitmapPixel(kTabPressed, x, kTabHeight - 1));
        // The row under the button is the window's own background, not the 26th row.
        EXPECT_EQ(Pixel(*dialog_, 30 + x, 60 + kTabHeight),
                  BitmapPixel(kPageBackground, 30 + x, 60 + kTabHeight));
    }
    Release();
}

TEST_F(HoverButtonTest, ASecondSetSkinReplacesTheImagesAndMovesAndResizes) {
    const std::size_t bitmaps = platform::gdi::LiveObjectCount(platform::gdi::ObjectKind::Bitmap);
    dialog_->m_button.SetSkin(15, 300, 156, 157, 158);
    Settle();
    EXPECT_EQ(platform::gdi::LiveObjectCount(platform::gdi::ObjectKind::Bitmap), bitmaps);
    RECT frame;
    dialog_->m_button.GetWindowRect(&frame);
    dialog_->ScreenToClient(reinterpret_cast<LPPOINT>(&frame.left));
    dialog_->ScreenToClient(reinterpret_cast<LPPOINT>(&frame.right));
    EXPECT_EQ(frame.left, 15);
    EXPECT_EQ(frame.top, 300);
    EXPECT_EQ(frame.right - frame.left, 81);
    EXPECT_EQ(frame.bottom - frame.top, 31);
    EXPECT_STREQ(NameOf(ShownImage(156, 157, 158)), NameOf(Shown::Normal));
    MoveTo(dialog_->m_button, 40, 15);
    Wait(1);
    EXPECT_STREQ(NameOf(ShownImage(156, 157, 158)), NameOf(Shown::Hover));
    // Where the tab was, the window shows its background again.
    EXPECT_EQ(Pixel(*dialog_, 80, 70), BitmapPixel(kPageBackground, 80, 70));
}

TEST_F(HoverButtonTest, AnEmptyCaptionDrawsOnlyTheBitmapAndAShortOneIsCentredInWhite) {
    const std::pair<const wchar_t*, bool> captions[] = {{L"", false}, {L"Sound", true}};
    for (const auto& [caption, drawn] : captions) {
        dialog_->m_button.SetWindowText(caption);
        dialog_->m_button.Invalidate(TRUE);
        Settle();
        int left = kTabWidth, right = -1, top = kTabHeight, bottom = -1, differing = 0;
        for (int y = 0; y < kTabHeight; ++y) {
            for (int x = 0; x < kTabWidth; ++x) {
                const COLORREF shown = Pixel(dialog_->m_button, x, y);
                if (shown == BitmapPixel(kTabNormal, x, y)) continue;
                ++differing;
                if (!Bright(shown)) continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        if (!drawn) {
            EXPECT_EQ(differing, 0);
            continue;
        }
        ASSERT_GE(right, left);
        EXPECT_NEAR((left + right) / 2.0, (kTabWidth - 1) / 2.0, 2.0);
        EXPECT_NEAR((top + bottom) / 2.0, (kTabHeight - 1) / 2.0, 2.5);
    }
}

TEST_F(HoverButtonTest, ACaptionWiderThanTheButtonIsOneLineCutAtBothEdges) {
    dialog_->m_button.SetWindowText(L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    dialog_->m_button.Invalidate(TRUE);
    Settle();
    bool brightAtLeft = false;
    bool brightAtRight = false;
    for (int y = 0; y < kTabHeight; ++y) {
        for (int x = 0; x < 3; ++x) {
            brightAtLeft |= Bright(Pixel(dialog_->m_button, x, y));
            brightAtRight |= Bright(Pixel(dialog_->m_button, kTabWidth - 1 - x, y));
        }
        // Beside the button, the window's background, untouched by the text.
        for (int x : {29, 28, 130, 131}) {
            EXPECT_EQ(Pixel(*dialog_, x, 60 + y), BitmapPixel(kPageBackground, x, 60 + y));
        }
    }
    EXPECT_TRUE(brightAtLeft);
    EXPECT_TRUE(brightAtRight);
    // One line: the top and bottom rows keep the bitmap.
    EXPECT_STREQ(NameOf(ShownImage()), NameOf(Shown::Normal));
}

TEST_F(HoverButtonTest, TheClassIsKnownByItsRunTimeName) {
    EXPECT_STREQ(RUNTIME_CLASS(CHoverButton)->m_lpszClassName, "CHoverButton");
    EXPECT_TRUE(dialog_->m_button.IsKindOf(RUNTIME_CLASS(CBitmapButton)));
    EXPECT_TRUE(dialog_->m_button.IsKindOf(RUNTIME_CLASS(CHoverButton)));
}

}  // namespace
}  // namespace keldra::skin::testing
