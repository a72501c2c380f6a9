// Control colours and owner drawing routed through the framework, CBitmapButton's images,
// and the device-context and graphics-object wrappers.
#include "FrameworkTestSupport.h"
#include "platform/gdi/GdiHandles.h"

namespace keldra::framework::testing {
namespace {

constexpr WORD kLayout = 920;
constexpr int kLabel = 1006;
constexpr int kButton = 1051;
constexpr COLORREF kBackground = RGB(10, 20, 30);
constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kPressed = RGB(0, 0, 200);

HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
    HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

class ImageButton : public CBitmapButton {
  public:
    void SetImages(HBITMAP normal, HBITMAP pressed) {
        m_bitmap.DeleteObject();
        m_bitmap.Attach(normal);
        m_bitmapSel.DeleteObject();
        m_bitmapSel.Attach(pressed);
    }
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        ++draws;
        CBitmapButton::DrawItem(item);
    }
};

class SkinnedDialog : public CDialog {
  public:
    SkinnedDialog() : CDialog(kLayout) {}
    bool recolour = true;
    UINT lastKind = 99;
    CBrush m_brBack;
    ImageButton m_button;

  protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, kButton, m_button); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_brBack.CreateSolidBrush(kBackground);
        m_button.SetImages(SolidBitmap(40, 20, kNormal), SolidBitmap(40, 20, kPressed));
        return TRUE;
    }
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* child, UINT kind) {
        const HBRUSH fallback = CDialog::OnCtlColor(dc, child, kind);
        lastKind = kind;
        if (!recolour || kind != CTLCOLOR_STATIC) return fallback;
        dc->SetTextColor(RGB(255, 255, 255));
        dc->SetBkMode(TRANSPARENT);
        return m_brBack;
    }
    afx_msg BOOL OnEraseBkgnd(CDC* dc) {
        CRect client;
        GetClientRect(&client);
        CBrush white;
        white.CreateSolidBrush(RGB(255, 255, 255));
        dc->FillRect(&client, &white);
        return TRUE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SkinnedDialog, CDialog)
ON_WM_CTLCOLOR()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

class DrawingTest : public FrameworkTest {
  protected:
    DrawingTest() {
        DialogTemplate layout;
        layout.style = WS_POPUP | WS_VISIBLE;
        layout.cx = 200;
        layout.cy = 100;
        layout.items = {Control(kLabelClass, kLabel, 10, 10, 60, 10, 0),
                        Control(kOwnerDrawClass, kButton, 100, 10, 40, 20)};
        RegisterLayout(kLayout, layout);
    }
    // Runs the dialog, with check() looking at it once it has painted.
    void Run(SkinnedDialog& dialog, std::function<void()> check) {
        Then([this] { host_.Settle(); });
        Then(std::move(check));
        Then([&dialog] { dialog.EndDialog(IDOK); });
        dialog.DoModal();
    }
    COLORREF PixelOf(const CWnd& dialog, int controlId, int x, int y) const {
        RECT control;
        GetWindowRect(GetDlgItem(dialog.m_hWnd, controlId), &control);
        RECT whole;
        GetWindowRect(dialog.m_hWnd, &whole);
        return host_.PixelAt(dialog.m_hWnd, control.left - whole.left + x,
                             control.top - whole.top + y);
    }
};

TEST_F(DrawingTest, TheDialogsControlColourIsWhatTheLabelPaintsWith) {
    SkinnedDialog dialog;
    Run(dialog, [&] {
        EXPECT_EQ(dialog.lastKind, static_cast<UINT>(CTLCOLOR_STATIC));
        EXPECT_EQ(PixelOf(dialog, kLabel, 58, 8), kBackground);
    });
}

TEST_F(DrawingTest, WithoutItsOwnColourTheLabelGetsTheDefaultFace) {
    SkinnedDialog dialog;
    dialog.recolour = false;
    Run(dialog, [&] { EXPECT_EQ(PixelOf(dialog, kLabel, 58, 8), GetSysColor(COLOR_BTNFACE)); });
}

TEST_F(DrawingTest, OwnerDrawingReachesTheButtonsDrawItemWithItsState) {
    SkinnedDialog dialog;
    Run(dialog, [&] {
        EXPECT_GE(dialog.m_button.draws, 1);
        EXPECT_EQ(PixelOf(dialog, kButton, 5, 5), kNormal);
        RECT button;
        dialog.m_button.GetWindowRect(&button);
        host_.MoveMouse({button.left + 5, button.top + 5});
        host_.PressLeft();
        host_.Settle();
        EXPECT_EQ(PixelOf(dialog, kButton, 5, 5), kPressed);
        host_.ReleaseLeft();
        host_.Settle();
        EXPECT_EQ(PixelOf(dialog, kButton, 5, 5), kNormal);
    });
}

TEST_F(DrawingTest, SizeToContentTakesTheNormalImagesSizeAndKeepsThePlace) {
    SkinnedDialog dialog;
    Run(dialog, [&] {
        dialog.m_button.SetImages(SolidBitmap(100, 25, kNormal), SolidBitmap(100, 26, kPressed));
        RECT before;
        dialog.m_button.GetWindowRect(&before);
        dialog.m_button.SizeToContent();
        RECT after;
        dialog.m_button.GetWindowRect(&after);
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top);
        EXPECT_EQ(after.right - after.left, 100);
        EXPECT_EQ(after.bottom - after.top, 25);
    });
}

TEST_F(DrawingTest, GraphicsObjectsAreReleasedWithTheirOwners) {
    const std::size_t before = platform::gdi::LiveObjectCount();
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(8, 4, 1, 32, nullptr));
        BITMAP info{};
        ASSERT_NE(bitmap.GetBitmap(&info), 0);
        EXPECT_EQ(info.bmWidth, 8);
        EXPECT_EQ(info.bmHeight, 4);
        CBrush pattern;
        ASSERT_TRUE(pattern.CreatePatternBrush(&bitmap));
        CRgn shape;
        CRgn hole;
        shape.CreateRectRgn(0, 0, 10, 10);
        hole.CreateRectRgn(0, 0, 5, 5);
        EXPECT_EQ(shape.CombineRgn(&shape, &hole, RGN_DIFF), COMPLEXREGION);
        EXPECT_FALSE(shape.PtInRegion(2, 2));
        EXPECT_TRUE(shape.PtInRegion(7, 2));
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        CBitmap* previous = memory.SelectObject(&bitmap);
        ASSERT_NE(previous, nullptr);
        CRect all(0, 0, 8, 4);
        memory.FillRect(&all, &pattern);
        memory.SelectObject(previous);
        EXPECT_GT(platform::gdi::LiveObjectCount(), before);
    }
    EXPECT_EQ(platform::gdi::LiveObjectCount(), before);
}

}  // namespace
}  // namespace keldra::framework::testing
