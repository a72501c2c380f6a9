#include "pages/DisplayModeList.h"

namespace keldra::pages {

const std::array<DisplayMode, DisplayModeList::kCount>& DisplayModeList::Modes() {
    static constexpr std::array<DisplayMode, kCount> kModes{{
        {L"800x600(4:3)", 800, 600},
        {L"1024x768(4:3)", 1024, 768},
        {L"1280x720(16:9)", 1280, 720},
        {L"1280x1024(4:3)", 1280, 1024},
        {L"1360x768(16:10)", 1360, 768},
        {L"1600x900(16:9)", 1600, 900},
        {L"1680x1050(16:10)", 1680, 1050},
        {L"1920x1200(16:10)", 1920, 1200},
    }};
    return kModes;
}

int DisplayModeList::FindDisplayMode(int width, int height) {
    const auto& modes = Modes();
    for (std::size_t i = 0; i < modes.size(); ++i) {
        if (modes[i].width == width && modes[i].height == height) return static_cast<int>(i);
    }
    return kFallbackIndex;  // no nearest match: only an exact pair selects its mode
}

int DisplayModeList::WidthOf(int index) {
    return Modes().at(static_cast<std::size_t>(index)).width;
}

int DisplayModeList::HeightOf(int index) {
    return Modes().at(static_cast<std::size_t>(index)).height;
}

}  // namespace keldra::pages
