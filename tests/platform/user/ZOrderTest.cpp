// Where SetWindowPos's insertAfter puts a window among its siblings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/user/UserConstants.h"
#include "platform/user/windows/ZOrder.h"

namespace keldra::platform::user {
namespace {

HWND H(std::uintptr_t n) {
    return reinterpret_cast<HWND>(n * 4 + 0x1000);
}

struct Placement {
    const char* name;
    HWND moved;
    HWND insertAfter;
    std::vector<HWND> expected;  // topmost first
};

class ZOrderPlaceTest : public ::testing::TestWithParam<Placement> {};

TEST_P(ZOrderPlaceTest, PutsTheWindowWhereAsked) {
    ZOrder order;
    for (std::uintptr_t n : {1, 2, 3, 4}) order.AddAtBottom(H(n));
    order.Place(GetParam().moved, GetParam().insertAfter);
    EXPECT_EQ(order.Handles(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Siblings, ZOrderPlaceTest,
    ::testing::Values(Placement{"OnTop", H(3), HWND_TOP, {H(3), H(1), H(2), H(4)}},
                      Placement{"AtTheBottom", H(1), HWND_BOTTOM, {H(2), H(3), H(4), H(1)}},
                      Placement{"JustBelowALowerSibling", H(1), H(3), {H(2), H(3), H(1), H(4)}},
                      Placement{"JustBelowAHigherSibling", H(4), H(1), {H(1), H(4), H(2), H(3)}},
                      Placement{"BelowItselfStaysPut", H(2), H(2), {H(1), H(2), H(3), H(4)}},
                      Placement{
                          "BelowAStrangerGoesToTheBottom", H(2), H(9), {H(1), H(3), H(4), H(2)}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ZOrder, NewWindowsGoOnTopOrAtTheBottomAndRemovedOnesLeaveNoGap) {
    ZOrder order;
    order.AddAtBottom(H(1));
    order.AddAtTop(H(2));
    order.AddAtBottom(H(3));
    order.Remove(H(1));
    EXPECT_EQ(order.Handles(), (std::vector<HWND>{H(2), H(3)}));
}

}  // namespace
}  // namespace keldra::platform::user
