// The pages' run-time class information: each page, as the editor made it, names its own
// class and is a settings page, a dialog and a window, and is none of the other pages.
#include <gtest/gtest.h>

#include "EditorTestSupport.h"

namespace keldra::pages::testing {
namespace {

using PageClassTest = app::testing::EditorTest;

struct PageClass {
    HWND (::CConfigDlg::*window)() const;
    const char* name;
    const CRuntimeClass* runtimeClass;
};

TEST_F(PageClassTest, EachPageKnowsItsClassAndItsBases) {
    const PageClass pages[] = {
        {&::CConfigDlg::GraphicPage, "CGraphicDlg", RUNTIME_CLASS(CGraphicDlg)},
        {&::CConfigDlg::SoundPage, "CSoundDlg", RUNTIME_CLASS(CSoundDlg)},
        {&::CConfigDlg::InterfacePage, "CInterfaceDlg", RUNTIME_CLASS(CInterfaceDlg)},
    };
    bool checked = false;
    Then([&] {
        for (const PageClass& page : pages) {
            const CWnd* object = CWnd::FromHandlePermanent((Main().*page.window)());
            ASSERT_NE(object, nullptr) << page.name;
            EXPECT_STREQ(object->GetRuntimeClass()->m_lpszClassName, page.name);
            EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CSettingsPage))) << page.name;
            EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CDialog))) << page.name;
            EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CWnd))) << page.name;
            for (const PageClass& other : pages) {
                EXPECT_EQ(object->IsKindOf(other.runtimeClass), &other == &page)
                    << page.name << " against " << other.name;
            }
        }
        EXPECT_STREQ(RUNTIME_CLASS(CSettingsPage)->m_pBaseClass->m_lpszClassName, "CDialog");
        checked = true;
        ::PostMessageW(MainWindow(), WM_COMMAND, IDCANCEL, 0);
    });
    RunEditor();
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace keldra::pages::testing
