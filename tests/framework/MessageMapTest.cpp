// Message tables: handlers found by message and by control id, derived tables before base
// ones, Default() reaching the window class, and run-time class names.
#include "FrameworkTestSupport.h"
#include "framework/AfxModuleState.h"

namespace keldra::framework::testing {
namespace {

constexpr WORD kLayout = 900;
constexpr int kBaseButton = 101;
constexpr int kDerivedButton = 102;
constexpr int kSharedButton = 103;

class BaseWindow : public CDialog {
    DECLARE_DYNAMIC(BaseWindow)

  public:
    BaseWindow() : CDialog(kLayout) {}
    std::vector<std::string> calls;

  protected:
    afx_msg void OnBaseButton() { calls.push_back("base button"); }
    afx_msg void OnSharedButton() { calls.push_back("base shared"); }
    afx_msg void OnLButtonDown(UINT flags, CPoint point) {
        calls.push_back("down " + std::to_string(point.x) + "," + std::to_string(point.y) +
                        ((flags & MK_LBUTTON) ? " left" : ""));
        CDialog::OnLButtonDown(flags, point);
    }

    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(BaseWindow, CDialog)

BEGIN_MESSAGE_MAP(BaseWindow, CDialog)
ON_BN_CLICKED(kBaseButton, &BaseWindow::OnBaseButton)
ON_BN_CLICKED(kSharedButton, &BaseWindow::OnSharedButton)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class DerivedWindow : public BaseWindow {
  protected:
    afx_msg void OnDerivedButton() { calls.push_back("derived button"); }
    afx_msg void OnSharedButton() { calls.push_back("derived shared"); }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM lParam) {
        calls.push_back("text " +
                        std::string(1, static_cast<char>(*reinterpret_cast<LPCWSTR>(lParam))));
        return Default();  // the window class still stores the text
    }
    afx_msg void OnTimer(UINT_PTR id) { calls.push_back("timer " + std::to_string(id)); }
    afx_msg void OnHScroll(UINT code, UINT position, CScrollBar* bar) {
        calls.push_back(
            "scroll " + std::to_string(code) + " " + std::to_string(position) +
            (bar != nullptr && bar->m_hWnd == ::GetDlgItem(m_hWnd, 7) ? " from 7" : ""));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWindow, BaseWindow)
ON_BN_CLICKED(kDerivedButton, &DerivedWindow::OnDerivedButton)
ON_BN_CLICKED(kSharedButton, &DerivedWindow::OnSharedButton)
ON_MESSAGE(WM_SETTEXT, &DerivedWindow::OnSetText)
ON_WM_TIMER()
ON_WM_HSCROLL()
END_MESSAGE_MAP()

// A slider that handles what its parent passes back to it.
class ReflectingSlider : public CSliderCtrl {
  public:
    int reflected = 0;

  protected:
    BOOL OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT*) override {
        if (message != WM_HSCROLL) return FALSE;
        ++reflected;
        return TRUE;
    }
};

class MessageMapTest : public FrameworkTest {
  protected:
    MessageMapTest() {
        DialogTemplate layout;
        layout.style = WS_CHILD | WS_VISIBLE;
        layout.cx = 100;
        layout.cy = 50;
        RegisterLayout(kLayout, layout);
        parent_ = CreateWindowExW(0, kLabelClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                                  nullptr, nullptr, nullptr, nullptr);
        parentWindow_.Attach(parent_);
    }
    ~MessageMapTest() override {
        parentWindow_.Detach();
        DestroyWindow(parent_);
    }
    void Command(CWnd& window, int id) {
        window.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }

    HWND parent_;
    CWnd parentWindow_;
};

TEST_F(MessageMapTest, HandlersAreFoundByControlIdInTheDerivedTableFirst) {
    DerivedWindow window;
    ASSERT_TRUE(window.Create(kLayout, &parentWindow_));
    Command(window, kDerivedButton);
    Command(window, kBaseButton);
    Command(window, kSharedButton);
    Command(window, 104);  // nobody's: default processing, no call
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"derived button", "base button", "derived shared"}));
}

TEST_F(MessageMapTest, HandlersAreFoundByMessageWithTheirParametersUnpacked) {
    DerivedWindow window;
    ASSERT_TRUE(window.Create(kLayout, &parentWindow_));
    window.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
    window.SetWindowText(L"Keldra");
    window.SetTimer(7, 10, nullptr);
    host_.AdvanceTime(10);
    host_.Settle();
    EXPECT_EQ(window.calls, (std::vector<std::string>{"down 12,34 left", "text K", "timer 7"}));
    std::wstring text;
    window.GetWindowText(text);
    EXPECT_EQ(text, L"Keldra");
}

TEST_F(MessageMapTest, ScrollNotificationsReachTheParentOrAreReflectedToTheChild) {
    DerivedWindow handling;
    BaseWindow reflecting;
    ASSERT_TRUE(handling.Create(kLayout, &parentWindow_));
    ASSERT_TRUE(reflecting.Create(kLayout, &parentWindow_));
    ReflectingSlider slider;
    for (CWnd* window : {static_cast<CWnd*>(&handling), static_cast<CWnd*>(&reflecting)}) {
        const HWND child =
            CreateWindowExW(0, kCheckClass, L"", WS_CHILD, 0, 0, 5, 5, window->m_hWnd,
                            reinterpret_cast<HMENU>(7), nullptr, nullptr);
        if (window == &reflecting) slider.SubclassWindow(child);
        window->SendMessage(WM_HSCROLL, MAKEWPARAM(5, 17), reinterpret_cast<LPARAM>(child));
    }
    EXPECT_EQ(handling.calls, (std::vector<std::string>{"scroll 5 17 from 7"}));
    EXPECT_EQ(slider.reflected, 1);
    EXPECT_TRUE(reflecting.calls.empty());
}

TEST_F(MessageMapTest, RunTimeClassesKnowTheirNamesAndBases) {
    BaseWindow window;
    EXPECT_STREQ(window.GetRuntimeClass()->m_lpszClassName, "BaseWindow");
    EXPECT_TRUE(window.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(window.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(window.IsKindOf(RUNTIME_CLASS(CButton)));
    DerivedWindow derived;  // no run-time class of its own: reports its base's
    EXPECT_STREQ(derived.GetRuntimeClass()->m_lpszClassName, "BaseWindow");
}

TEST_F(MessageMapTest, DestroyingTheWindowDetachesTheObject) {
    DerivedWindow window;
    ASSERT_TRUE(window.Create(kLayout, &parentWindow_));
    const HWND handle = window.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), &window);
    window.DestroyWindow();
    EXPECT_EQ(window.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(MessageMapTest, AnObjectDestroyedBeforeItsWindowTakesTheWindowWithIt) {
    HWND handle = nullptr;
    {
        DerivedWindow window;
        ASSERT_TRUE(window.Create(kLayout, &parentWindow_));
        handle = window.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(MessageMapTest, WindowsWithoutAnObjectGetTemporaryWrappers) {
    DerivedWindow window;
    ASSERT_TRUE(window.Create(kLayout, &parentWindow_));
    EXPECT_EQ(window.GetParent(), &parentWindow_);  // the permanent object when there is one
    const HWND plain = CreateWindowExW(0, kCheckClass, L"", WS_CHILD, 0, 0, 5, 5, window.m_hWnd,
                                       reinterpret_cast<HMENU>(555), nullptr, nullptr);
    CWnd* wrapper = window.GetDlgItem(555);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, plain);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    EXPECT_EQ(window.GetDlgItem(556), nullptr);
}

TEST_F(MessageMapTest, AWindowKeepsOneTemporaryWrapperUntilItIsDestroyed) {
    DerivedWindow window;
    ASSERT_TRUE(window.Create(kLayout, &parentWindow_));
    const HWND plain = CreateWindowExW(0, kCheckClass, L"", WS_CHILD, 0, 0, 5, 5, window.m_hWnd,
                                       reinterpret_cast<HMENU>(555), nullptr, nullptr);
    const HWND other = CreateWindowExW(0, kCheckClass, L"", WS_CHILD, 0, 0, 5, 5, window.m_hWnd,
                                       reinterpret_cast<HMENU>(556), nullptr, nullptr);
    CWnd* wrapper = CWnd::FromHandle(plain);
    EXPECT_EQ(window.GetDlgItem(555), wrapper);
    EXPECT_EQ(CWnd::FromHandle(plain), wrapper);
    EXPECT_NE(CWnd::FromHandle(other), wrapper);
    // Messages come and go; the wrapper stays while its window lives.
    SendMessageW(window.m_hWnd, WM_NULL, 0, 0);
    EXPECT_EQ(CWnd::FromHandle(plain), wrapper);

    const std::size_t before = AfxGetModuleState().windows.TemporaryCount();
    DestroyWindow(plain);
    SendMessageW(window.m_hWnd, WM_NULL, 0, 0);
    EXPECT_EQ(AfxGetModuleState().windows.TemporaryCount(), before - 1);
    EXPECT_EQ(window.GetDlgItem(555), nullptr);
}

}  // namespace
}  // namespace keldra::framework::testing
