// CDialog: modal runs ended by EndDialog, OnOK and OnCancel, child dialogs inside a parent,
// data exchange with DDX_Check and DDX_Control, and the thin control classes.
#include "FrameworkTestSupport.h"

namespace keldra::framework::testing {
namespace {

constexpr WORD kMainLayout = 910;
constexpr WORD kPageLayout = 911;
constexpr int kFirstCheck = 1029;
constexpr int kSecondCheck = 1030;
constexpr int kSlider = 1045;
constexpr int kPageCheck = 1038;

class PageDialog : public CDialog {
  public:
    PageDialog() : CDialog(kPageLayout) {}
    int m_bChecked = 0;
    int okCalls = 0;
    int cancelCalls = 0;
    bool initialised = false;

  protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Check(dx, kPageCheck, m_bChecked); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        initialised = true;
        return TRUE;
    }
    // A page never closes itself; it only counts what reached it.
    void OnOK() override { ++okCalls; }
    void OnCancel() override { ++cancelCalls; }
};

class MainDialog : public CDialog {
  public:
    MainDialog() : CDialog(kMainLayout) {}
    int m_bFirst = 1;
    int m_bSecond = 0;
    CSliderCtrl m_slider;
    PageDialog* page = nullptr;  // made in OnInitDialog when asked for
    bool withPage = false;
    bool pageReadyInCreate = false;

  protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Check(dx, kFirstCheck, m_bFirst);
        DDX_Check(dx, kSecondCheck, m_bSecond);
        DDX_Control(dx, kSlider, m_slider);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (withPage) {
            page = new PageDialog;
            page->Create(kPageLayout, this);
            pageReadyInCreate = page->initialised && page->m_hWnd != nullptr;
        }
        return TRUE;
    }
    afx_msg void OnDestroy() {
        CDialog::OnDestroy();
        if (page != nullptr) {
            page->DestroyWindow();
            delete page;
            page = nullptr;
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MainDialog, CDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

class DialogClassTest : public FrameworkTest {
  protected:
    DialogClassTest() {
        DialogTemplate main;
        main.style = WS_POPUP | WS_VISIBLE | DS_CENTER;
        main.cx = 200;
        main.cy = 150;
        main.items = {Control(kCheckClass, kFirstCheck, 10, 10, 50, 10),
                      Control(kCheckClass, kSecondCheck, 10, 30, 50, 10),
                      Control(kSliderClass, kSlider, 10, 50, 108, 15)};
        RegisterLayout(kMainLayout, main);
        DialogTemplate page;
        page.style = WS_CHILD | WS_VISIBLE | DS_CONTROL;
        page.y = 80;
        page.cx = 100;
        page.cy = 50;
        page.items = {Control(kCheckClass, kPageCheck, 5, 5, 50, 10)};
        RegisterLayout(kPageLayout, page);
    }
    static int CheckOf(const CWnd& dialog, int id) {
        return static_cast<int>(SendMessageW(GetDlgItem(dialog.m_hWnd, id), BM_GETCHECK, 0, 0));
    }
    static void Tick(const CWnd& dialog, int id, int state) {
        SendMessageW(GetDlgItem(dialog.m_hWnd, id), BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
};

TEST_F(DialogClassTest, InitialisationPushesMembersAndAttachesControls) {
    MainDialog dialog;
    Then([&] {
        EXPECT_EQ(CheckOf(dialog, kFirstCheck), 1);
        EXPECT_EQ(CheckOf(dialog, kSecondCheck), 0);
        EXPECT_EQ(dialog.m_slider.m_hWnd, GetDlgItem(dialog.m_hWnd, kSlider));
        EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_slider.m_hWnd), &dialog.m_slider);
        dialog.EndDialog(9);
    });
    EXPECT_EQ(dialog.DoModal(), 9);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_slider.m_hWnd, nullptr);  // detached with its window
}

TEST_F(DialogClassTest, EnterRunsOnOkWhichPullsTheControlsAndEndsWithIdOk) {
    MainDialog dialog;
    Then([&] {
        Tick(dialog, kFirstCheck, 0);
        Tick(dialog, kSecondCheck, 1);
    });
    Type(VK_RETURN);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_bFirst, 0);
    EXPECT_EQ(dialog.m_bSecond, 1);
}

TEST_F(DialogClassTest, EscapeRunsOnCancelWhichLeavesTheMembersAlone) {
    MainDialog dialog;
    Then([&] { Tick(dialog, kSecondCheck, 1); });
    Type(VK_ESCAPE);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_bSecond, 0);
}

TEST_F(DialogClassTest, UpdateDataPullsAndPushes) {
    MainDialog dialog;
    Then([&] {
        dialog.m_bSecond = 1;
        EXPECT_TRUE(dialog.UpdateData(FALSE));
        EXPECT_EQ(CheckOf(dialog, kSecondCheck), 1);
        Tick(dialog, kFirstCheck, 0);
        EXPECT_TRUE(dialog.UpdateData(TRUE));
        EXPECT_EQ(dialog.m_bFirst, 0);
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
}

class MissingControlDialog : public MainDialog {
  protected:
    void DoDataExchange(CDataExchange* dx) override {
        MainDialog::DoDataExchange(dx);
        DDX_Check(dx, 4242, m_bFirst);  // not in the layout
    }
};

TEST_F(DialogClassTest, AnExchangeWithAMissingControlFailsAndOkDoesNotClose) {
    MissingControlDialog dialog;
    Then([&] { EXPECT_FALSE(dialog.UpdateData(TRUE)); });
    Type(VK_RETURN);  // OnOK: the pull fails, the dialog stays
    Then([&] {
        EXPECT_NE(dialog.m_hWnd, nullptr);
        dialog.EndDialog(3);
    });
    EXPECT_EQ(dialog.DoModal(), 3);
}

TEST_F(DialogClassTest, AChildDialogIsCreatedInsideItsParentAndGetsItsOwnEnterAndEscape) {
    MainDialog dialog;
    dialog.withPage = true;
    Then([&] {
        ASSERT_NE(dialog.page, nullptr);
        EXPECT_EQ(::GetParent(dialog.page->m_hWnd), dialog.m_hWnd);
        dialog.page->GetDlgItem(kPageCheck)->SetFocus();
    });
    Type(VK_RETURN);
    Type(VK_ESCAPE);
    Then([&] {
        EXPECT_EQ(dialog.page->okCalls, 1);
        EXPECT_EQ(dialog.page->cancelCalls, 1);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.pageReadyInCreate);
    EXPECT_EQ(dialog.page, nullptr);  // its destroy handler took the page down
}

TEST_F(DialogClassTest, DoModalWithoutALayoutFails) {
    CDialog dialog(4711);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogClassTest, ThinControlsSendTheirMessages) {
    MainDialog dialog;
    Then([&] {
        dialog.m_slider.SetRange(0, 4100);
        dialog.m_slider.SetPos(2750);
        EXPECT_EQ(dialog.m_slider.GetRangeMin(), 0);
        EXPECT_EQ(dialog.m_slider.GetRangeMax(), 4100);
        EXPECT_EQ(dialog.m_slider.GetPos(), 2750);
        CButton check;
        ASSERT_TRUE(check.SubclassDlgItem(kFirstCheck, &dialog));
        check.SetCheck(BST_UNCHECKED);
        EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
        check.SetCheck(BST_CHECKED);
        EXPECT_EQ(CheckOf(dialog, kFirstCheck), BST_CHECKED);
        check.UnsubclassWindow();
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
}

}  // namespace
}  // namespace keldra::framework::testing
