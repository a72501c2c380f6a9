// The thin control classes over the platform's own control window classes, bitmaps from
// the program's resources, and the device-context wrappers of painting.
#include "FrameworkTestSupport.h"

namespace keldra::framework::testing {
namespace {

constexpr WORD kLayout = 930;
constexpr int kCombo = 1005;
constexpr int kTab = 1051;
constexpr UINT kBackground = 152;
constexpr UINT kButtonNormal = 156;
constexpr UINT kButtonHover = 157;
constexpr UINT kButtonPressed = 158;

class ControlsDialog : public CDialog {
  public:
    ControlsDialog() : CDialog(kLayout) {}
    CComboBox m_cbResolution;
    CBitmapButton m_btnTab;

  protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, kCombo, m_cbResolution);
        DDX_Control(dx, kTab, m_btnTab);
    }
};

class ControlClassTest : public FrameworkTest {
  protected:
    ControlClassTest() {
        InitCommonControls();
        DialogTemplate layout;
        layout.style = WS_POPUP | WS_VISIBLE;
        layout.cx = 200;
        layout.cy = 150;
        layout.items = {Control(WC_COMBOBOXW, kCombo, 10, 10, 74, 76,
                                WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST),
                        Control(WC_BUTTONW, kTab, 100, 10, 50, 14, WS_TABSTOP | BS_OWNERDRAW)};
        RegisterLayout(kLayout, layout);
    }
    void Run(ControlsDialog& dialog, std::function<void()> check) {
        Then(std::move(check));
        Then([&dialog] { dialog.EndDialog(IDOK); });
        dialog.DoModal();
    }
};

TEST_F(ControlClassTest, ComboBoxCallsReachTheComboBoxClass) {
    ControlsDialog dialog;
    Run(dialog, [&] {
        EXPECT_EQ(dialog.m_cbResolution.GetCurSel(), CB_ERR);
        EXPECT_EQ(dialog.m_cbResolution.AddString(L"800x600(4:3)"), 0);
        EXPECT_EQ(dialog.m_cbResolution.AddString(L"1024x768(4:3)"), 1);
        EXPECT_EQ(dialog.m_cbResolution.GetCount(), 2);
        EXPECT_EQ(dialog.m_cbResolution.SetCurSel(1), 1);
        EXPECT_EQ(dialog.m_cbResolution.GetCurSel(), 1);
        EXPECT_EQ(dialog.m_cbResolution.SetCurSel(5), CB_ERR);  // out of range: nothing chosen
        EXPECT_EQ(dialog.m_cbResolution.GetCurSel(), CB_ERR);
    });
}

TEST_F(ControlClassTest, BitmapsLoadFromTheProgramsResources) {
    CBitmap background;
    ASSERT_TRUE(background.LoadBitmap(kBackground));
    BITMAP info{};
    ASSERT_NE(background.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 456);
    EXPECT_EQ(info.bmHeight, 653);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4711));
    EXPECT_EQ(missing.GetBitmap(&info), 0);
}

TEST_F(ControlClassTest, BitmapButtonLoadsItsImagesAndSizesItselfToTheNormalOne) {
    ControlsDialog dialog;
    Run(dialog, [&] {
        EXPECT_FALSE(dialog.m_btnTab.LoadBitmaps(4711));
        ASSERT_TRUE(dialog.m_btnTab.LoadBitmaps(kButtonNormal, kButtonPressed, kButtonHover));
        CBitmap normal;
        normal.LoadBitmap(kButtonNormal);
        BITMAP info{};
        normal.GetBitmap(&info);
        CRect before;
        dialog.m_btnTab.GetWindowRect(&before);
        dialog.m_btnTab.SizeToContent();
        CRect after;
        dialog.m_btnTab.GetWindowRect(&after);
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top);
        EXPECT_EQ(after.Width(), info.bmWidth);
        EXPECT_EQ(after.Height(), info.bmHeight);
    });
}

// Paints its client area in one colour with CPaintDC; CClientDC draws between paints.
class PaintedWindow : public CWnd {
  public:
    COLORREF colour = RGB(0, 128, 0);

  protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CBrush brush;
        brush.CreateSolidBrush(colour);
        CRect client;
        GetClientRect(&client);
        dc.FillRect(&client, &brush);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintedWindow, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(ControlClassTest, PaintAndClientDeviceContextsDrawIntoTheWindow) {
    const HWND handle = CreateWindowExW(0, kCheckClass, L"", WS_POPUP | WS_VISIBLE, 10, 10, 40, 30,
                                        nullptr, nullptr, nullptr, nullptr);
    PaintedWindow window;
    ASSERT_TRUE(window.SubclassWindow(handle));
    window.Invalidate();
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(handle, 39, 29), RGB(0, 128, 0));
    {
        CClientDC dc(&window);
        CBrush red;
        red.CreateSolidBrush(RGB(255, 0, 0));
        CRect corner(0, 0, 5, 5);
        dc.FillRect(&corner, &red);
    }
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(handle, 2, 2), RGB(255, 0, 0));
    EXPECT_EQ(host_.PixelAt(handle, 20, 20), RGB(0, 128, 0));
    window.DestroyWindow();
}

}  // namespace
}  // namespace keldra::framework::testing
