// A headless host and a small skinned dialog of the tests' own that holds the real
// controls: a label and a check box on the skinned surface, a label inside a plain panel,
// a hover button, a skinned slider and a plain trackbar beside it. Helpers read what the
// host presented, in a control's own coordinates, and the pixels of the program's bitmaps.
#pragma once

#include <afxcmn.h>
#include <afxext.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/headless/HeadlessHost.h"
#include "platform/kernel/ScopedResource.h"
#include "platform/session/Session.h"
#include "platform/user/dialog/DialogTemplate.h"
#include "skin/CHoverButton.h"
#include "skin/CSkinSliderCtrl.h"
#include "skin/SkinnedSurface.h"

namespace keldra::skin::testing {

inline constexpr WORD kSkinLayout = 940;
inline constexpr WORD kPageLayout = 941;
inline constexpr int kLabel = 1013;
inline constexpr int kCheck = 1020;
inline constexpr int kPanel = 1030;
inline constexpr int kNestedLabel = 1031;
inline constexpr int kButton = 1051;
inline constexpr int kSlider = 1045;
inline constexpr int kPlainSlider = 1046;

inline constexpr UINT kPageBackground = 153;
inline constexpr UINT kMainBackground = 152;

// A hover button whose flags the tests may read, and that counts its draws with the
// keyboard focus.
class ProbeButton : public CHoverButton {
  public:
    bool Tracking() const { return m_bTracking != FALSE; }
    bool Hover() const { return m_bHover != FALSE; }
    int focusedDraws = 0;

    void DrawItem(LPDRAWITEMSTRUCT item) override {
        if (item != nullptr && (item->itemState & ODS_FOCUS) != 0) ++focusedDraws;
        CHoverButton::DrawItem(item);
    }
};

// A skinned slider that counts its paints.
class ProbeSlider : public CSkinSliderCtrl {
  public:
    int paints = 0;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PAINT) ++paints;
        return CSkinSliderCtrl::WindowProc(message, wParam, lParam);
    }
};

// A window skinned the way the main window and the pages are.
class SkinnedTestDialog : public CDialog {
  public:
    explicit SkinnedTestDialog(
        UINT bitmapId = kPageBackground,
        SkinnedSurface::Placement placement = SkinnedSurface::Placement::KeepTopLeft,
        UINT layout = kSkinLayout)
        : CDialog(layout), bitmapId_(bitmapId), placement_(placement) {}

    CBitmap m_bmpBack;
    CBrush m_brBack;
    ProbeButton m_button;
    ProbeSlider m_slider;
    CSliderCtrl m_plainSlider;
    CStatic m_label;
    CButton m_check;
    CStatic m_nestedLabel;  // inside a plain panel

  protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* child, UINT kind);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

  private:
    UINT bitmapId_;
    SkinnedSurface::Placement placement_;
};

class SkinControlTest : public ::testing::Test {
  protected:
    SkinControlTest();
    ~SkinControlTest() override;

    // Creates the test dialog as a visible top-level window and lets it paint.
    void Open(SkinnedTestDialog& dialog);
    void Settle() { host_.Settle(); }

    // Input at a point in a window's client area.
    void MoveTo(const CWnd& window, int x, int y);
    void MoveOutside();
    void Press(const CWnd& window, int x, int y);
    void Release();
    void Wait(std::uint64_t milliseconds);

    // The presented pixel at a point of a window's client area.
    COLORREF Pixel(const CWnd& window, int x, int y) const;
    // Where a window's client point lies in its top-level window.
    static POINT InTopLevel(const CWnd& window, int x, int y);
    // The presented pixels of a window's client rectangle, row by row.
    std::vector<COLORREF> Picture(const CWnd& window) const;

    // First, so that it ends last: what the test made goes with it.
    platform::Session session_;
    platform::host::HeadlessHost host_;
    HWND topLevel_ = nullptr;

  private:
    // The test's two layouts as dialog resources while it runs.
    platform::ScopedResource skinLayout_;
    platform::ScopedResource pageLayout_;
};

// A pixel of one of the program's bitmaps.
COLORREF BitmapPixel(UINT bitmapId, int x, int y);
// The pixels of a bitmap handle, row by row from the top.
std::vector<COLORREF> BitmapPixels(HBITMAP bitmap, int& width, int& height);
// Where the test snapshots go, when the environment asks for them; empty otherwise.
std::string SnapshotDirectory();

}  // namespace keldra::skin::testing
