// The editor gives back every bitmap and brush it makes: each page deletes its brush when
// its window is destroyed, and a whole run of the main window with its three pages leaves
// as many live bitmaps and brushes as it found.
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "platform/gdi/GdiHandles.h"

namespace keldra::app::testing {
namespace {

using platform::gdi::LiveObjectCount;
using platform::gdi::ObjectKind;

struct LiveCounts {
    std::size_t bitmaps = 0;
    std::size_t brushes = 0;

    static LiveCounts Now() {
        return {LiveObjectCount(ObjectKind::Bitmap), LiveObjectCount(ObjectKind::Brush)};
    }
};

TEST_F(EditorTest, EachPageDeletesItsBrushWhenItsWindowIsDestroyed) {
    Then([&] {
        for (HWND page : {Main().GraphicPage(), Main().SoundPage(), Main().InterfacePage()}) {
            ASSERT_NE(page, nullptr);
            const std::size_t brushes = LiveObjectCount(ObjectKind::Brush);
            ASSERT_TRUE(DestroyWindow(page));
            EXPECT_EQ(LiveObjectCount(ObjectKind::Brush), brushes - 1) << "the page's own brush";
        }
    });
    RunEditor();
}

TEST_F(EditorTest, ARunLeavesAsManyBitmapsAndBrushesAsItFound) {
    RunEditor();  // what the process keeps once made (fonts, the stock look) is made here
    const LiveCounts before = LiveCounts::Now();
    LiveCounts during;
    Then([&] { during = LiveCounts::Now(); });
    RunEditor();
    // The window's and the pages' backgrounds and brushes, the buttons' images, the sliders'.
    EXPECT_GE(during.bitmaps, before.bitmaps + 4 + 8 * 3 + 8 * 2);
    EXPECT_GE(during.brushes, before.brushes + 4);
    const LiveCounts after = LiveCounts::Now();
    EXPECT_EQ(after.bitmaps, before.bitmaps);
    EXPECT_EQ(after.brushes, before.brushes);
}

}  // namespace
}  // namespace keldra::app::testing
