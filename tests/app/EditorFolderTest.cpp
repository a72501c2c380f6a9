// The editor in a folder it cannot reach: one message, no window, no pages, nothing written.
#include <filesystem>

#include "EditorTestSupport.h"
#include "platform/user/windows/UserState.h"

namespace keldra::app::testing {
namespace {

std::vector<HWND> ShownTopLevels() {
    std::vector<HWND> shown;
    for (HWND window : platform::user::CurrentWindows().TopLevels()) {
        if (IsWindowVisible(window)) shown.push_back(window);
    }
    return shown;
}

TEST_F(EditorTest, AFolderThatIsGoneIsSaidAndTheEditorEnds) {
    std::filesystem::remove("/CONFIG.INI");  // left by a run of the editor before the fix
    std::filesystem::create_directory(folder_ / "gone");
    std::filesystem::current_path(folder_ / "gone");
    std::filesystem::remove(folder_ / "gone");
    bool messageSeen = false;
    Then([&] {
        const auto shown = ShownTopLevels();
        ASSERT_EQ(shown.size(), 1u) << "the message alone";
        EXPECT_NE(shown[0], MainWindow());
        EXPECT_EQ(TextOf(shown[0]), L"Keldra");
        EXPECT_EQ(Main().GraphicPage(), nullptr) << "no page read any settings";
        messageSeen = true;
        host_.TypeKey(VK_RETURN);
    });
    EXPECT_EQ(RunEditor(), IDCANCEL);
    EXPECT_TRUE(messageSeen);
    EXPECT_TRUE(ShownTopLevels().empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
    EXPECT_FALSE(std::filesystem::exists("/CONFIG.INI"));
}

}  // namespace
}  // namespace keldra::app::testing
