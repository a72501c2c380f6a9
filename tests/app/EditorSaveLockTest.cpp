// OK while another of the program's writers holds the settings file: the editor waits a
// little, then says it cannot save and keeps every edit for another try.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>

#include "EditorTestSupport.h"
#include "platform/user/windows/UserState.h"
#include "resource.h"
#include "settings/DefaultSettingsFile.h"
#include "settings/UniqueFd.h"

namespace keldra::app::testing {
namespace {

using keldra::testing::ReadBytes;
using keldra::testing::WriteBytes;
using settings::DefaultSettingsFile;
using settings::UniqueFd;

std::size_t OtherVisibleTopLevels(HWND main) {
    std::size_t count = 0;
    for (HWND window : platform::user::CurrentWindows().TopLevels()) {
        count += window != main && IsWindowVisible(window);
    }
    return count;
}

TEST_F(EditorTest, OkWhileAnotherWriterHoldsTheFileSaysSoAndSavesOnceItIsFree) {
    const auto file = folder_ / "CONFIG.INI";
    WriteBytes(file, DefaultSettingsFile::Bytes());
    auto other = std::make_unique<UniqueFd>(open(file.c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(flock(other->Get(), LOCK_EX), 0);

    bool waited = false;
    Then([&] {  // "Window mode" on the Graphic page
        RECT box{};
        GetWindowRect(GetDlgItem(Main().GraphicPage(), IDC_WINDOW_MODE_CHECK), &box);
        POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        ScreenToClient(MainWindow(), &centre);
        ClickAt(centre.x, centre.y);
    });
    Then([&] { ClickAt(277 + 40, 610 + 15); });  // OK
    Then([&] {
        waited = true;
        EXPECT_EQ(OtherVisibleTopLevels(MainWindow()), 1u) << "a message box says why";
        EXPECT_EQ(ReadBytes(file), DefaultSettingsFile::Bytes());
        host_.TypeKey(VK_RETURN);
        other.reset();  // the other writer is done
    });
    Then([&] { ClickAt(277 + 40, 610 + 15); });  // OK again
    // Without a save the run would end with the steps, not with OK.
    EXPECT_EQ(RunEditor(), IDOK) << "the second OK saved and closed the editor";
    EXPECT_TRUE(waited) << "the first OK did not close the editor";
    EXPECT_NE(ReadBytes(file).find("FULLSCREEN=FALSE"), std::string::npos);
}

}  // namespace
}  // namespace keldra::app::testing
