// The common-controls start-up call and the classes it registers.
#include "controls/ControlTestSupport.h"
#include "platform/user/controls/StandardControls.h"

namespace keldra::platform::user::controls::testing {
namespace {

using RegistrationTest = ControlTest;

TEST_F(RegistrationTest, InitCommonControlsExChecksItsStructure) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    EXPECT_EQ(InitCommonControlsEx(&init), TRUE);
    EXPECT_EQ(InitCommonControlsEx(&init), TRUE) << "a second call is harmless";
    init.dwSize = 3;
    EXPECT_EQ(InitCommonControlsEx(&init), FALSE);
    EXPECT_EQ(InitCommonControlsEx(nullptr), FALSE);
}

TEST_F(RegistrationTest, EveryClassCanBeCreatedByItsWindowsName) {
    for (LPCWSTR name :
         {L"Static", L"Button", L"ComboBox", L"msctls_trackbar32", L"STATIC", L"button"}) {
        HWND control = Make(name, L"x", 0, At(0, 0, 50, 20), 7);
        EXPECT_NE(control, nullptr);
        EXPECT_TRUE(DestroyWindow(control));
    }
    EXPECT_EQ(Make(L"NoSuchControl", L"", 0, At(0, 0, 5, 5), 8), nullptr);
}

}  // namespace
}  // namespace keldra::platform::user::controls::testing
