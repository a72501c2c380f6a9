// A skinned window whose outline cannot be built, because there is no memory for the
// background's pixels: it keeps its full rectangle and paints exactly as one whose outline
// was built, and it still gets its brush.
#include <cstddef>
#include <new>

#include "platform/gdi/raster/Region.h"
#include "skin/SkinControlTestSupport.h"

namespace {

// The size of the one allocation to refuse, 0 for none; and how often it was refused.
std::size_t refusedSize = 0;
int refusals = 0;

}  // namespace

// The region builder asks for its pixel buffer without exceptions; this refuses exactly the
// buffer of the size the test names and behaves as the library's own otherwise.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (refusedSize != 0 && size == refusedSize) {
        ++refusals;
        return nullptr;
    }
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}

namespace keldra::skin::testing {
namespace {

constexpr int kMainWidth = 456;
constexpr int kMainHeight = 653;

class SkinnedSurfaceRegionFailureTest : public SkinControlTest {
  protected:
    ~SkinnedSurfaceRegionFailureTest() override { refusedSize = 0; }
};

TEST_F(SkinnedSurfaceRegionFailureTest, TheWindowStaysRectangularAndPaintsAsUsual) {
    SkinnedTestDialog shaped(kMainBackground);
    Open(shaped);
    const auto usual = Picture(shaped);
    ASSERT_TRUE(host_.Find(shaped.m_hWnd)->state.shape.has_value());
    const platform::gdi::Region outline = *host_.Find(shaped.m_hWnd)->state.shape;
    shaped.DestroyWindow();
    Settle();

    refusedSize = std::size_t{kMainWidth} * kMainHeight * 3;  // 24-bit rows of the background
    refusals = 0;
    SkinnedTestDialog dialog(kMainBackground);
    Open(dialog);
    refusedSize = 0;
    ASSERT_EQ(refusals, 1) << "the outline's pixel buffer was refused once";

    const auto* native = host_.Find(dialog.m_hWnd);
    ASSERT_NE(native, nullptr);
    EXPECT_FALSE(native->state.shape.has_value()) << "no outline: the full rectangle";
    RECT frame;
    dialog.GetWindowRect(&frame);
    EXPECT_EQ(frame.right - frame.left, kMainWidth);
    EXPECT_EQ(frame.bottom - frame.top, kMainHeight);
    EXPECT_NE(dialog.m_brBack.m_hObject, nullptr);
    // Inside the outline every pixel is as in the shaped window; outside it, where the
    // shaped window has nothing, the bitmap's key-coloured edge shows like the rest.
    const auto picture = Picture(dialog);
    int differing = 0;
    for (int y = 0; y < kMainHeight; ++y) {
        for (int x = 0; x < kMainWidth; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * kMainWidth + x;
            const COLORREF expected =
                outline.Contains({x, y}) ? usual[at] : BitmapPixel(kMainBackground, x, y);
            differing += picture[at] != expected;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(picture[0], RGB(255, 0, 255));
    dialog.DestroyWindow();
}

}  // namespace
}  // namespace keldra::skin::testing
