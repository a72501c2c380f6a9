// Where a player clicks the editor's controls, counted from its window's top-left corner.
#pragma once

#include "wine/DesktopEditor.h"

namespace keldra::testing::spots {

constexpr Spot kGraphicTab{70, 72};
constexpr Spot kSoundTab{181, 72};
constexpr Spot kInterfaceTab{282, 72};
constexpr Spot kDefault{50, 625};
constexpr Spot kOk{317, 625};
constexpr Spot kCancel{400, 625};
constexpr Spot kMinimise{403, 20};
constexpr Spot kClose{431, 20};
constexpr Spot kBand{60, 40};

// The pages lie at (15, 86) in the window. A control of a page from its place in dialog
// units (the pages' font: 6 x 13 pixels to 4 x 8 units), where a player clicks it: a check
// box on its box, halfway down.
constexpr int kPageLeft = 15, kPageTop = 86;
constexpr Spot OnCheckBox(int x, int y, int height) {
    return {kPageLeft + x * 6 / 4 + 6, kPageTop + y * 13 / 8 + height * 13 / 16};
}

}  // namespace keldra::testing::spots
