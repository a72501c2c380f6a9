#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace keldra::pages {

// One screen size the game can run at, as offered in the Graphic page's list.
struct DisplayMode {
    std::wstring_view label;  // shown as it stands; the aspect is part of the label
    int width;                // stored as SIZE_X
    int height;               // stored as SIZE_Y
};

// The eight screen sizes of the game, in list order, and the mapping between a stored
// width and height and a list position.
class DisplayModeList {
  public:
    static constexpr std::size_t kCount = 8;
    // The mode of the read defaults, of a size not in the list, and of the page's defaults.
    static constexpr int kFallbackIndex = 1;

    static const std::array<DisplayMode, kCount>& Modes();

    // The position whose width and height both equal the pair; kFallbackIndex otherwise.
    static int FindDisplayMode(int width, int height);

    static bool IsValidIndex(int index) { return index >= 0 && index < static_cast<int>(kCount); }
    // Width and height of a valid position.
    static int WidthOf(int index);
    static int HeightOf(int index);
};

}  // namespace keldra::pages
