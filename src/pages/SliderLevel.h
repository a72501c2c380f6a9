// The pages keep a level in a slider as a position 1000 times the level, so a thumb can
// stand between two levels and still count as the lower one.
#pragma once

#include <algorithm>
#include <climits>

namespace keldra::pages {

class SliderLevel {
  public:
    static constexpr int kPositionsPerLevel = 1000;

    // A stored level as a slider position. A level too large for the product to fit in an
    // int saturates, so the trackbar clamps it to the slider's nearer end instead of a
    // wrapped product landing at the other one.
    static int PositionOf(int level) {
        const long long position = static_cast<long long>(level) * kPositionsPerLevel;
        return static_cast<int>(std::clamp<long long>(position, INT_MIN, INT_MAX));
    }

    // The level a position counts as: the position / 1000, rounded toward zero.
    static int LevelOf(int position) { return position / kPositionsPerLevel; }
};

}  // namespace keldra::pages
