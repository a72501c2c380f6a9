#include "PageLayouts.h"

namespace keldra::skinart {

const std::vector<PageLayout>& PageLayouts::All() {
    static const std::vector<PageLayout> layouts = {
        {153, "graphic-page", {{20, 18, 137, 8}, {19, 107, 137, 8}, {19, 238, 137, 8}}},
        {154, "interface-page", {{19, 18, 129, 8}, {19, 118, 129, 8}}},
        {155, "sound-page", {{19, 19, 97, 8}, {19, 200, 97, 8}}},
    };
    return layouts;
}

}  // namespace keldra::skinart
