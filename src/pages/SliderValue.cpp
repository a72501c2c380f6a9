#include "pages/SliderValue.h"

#include <limits>

namespace keldra::pages {

int SliderPositionOf(int stored) {
    constexpr int kHighest = std::numeric_limits<int>::max() / kSliderStep;
    constexpr int kLowest = std::numeric_limits<int>::min() / kSliderStep;
    if (stored > kHighest) return std::numeric_limits<int>::max();
    if (stored < kLowest) return std::numeric_limits<int>::min();
    return stored * kSliderStep;
}

int StoredNumberOf(int position) {
    return position / kSliderStep;
}

std::wstring StoredNumberText(int position) {
    return std::to_wstring(StoredNumberOf(position));
}

int FlagOf(std::wstring_view stored) {
    return stored == L"TRUE" ? 1 : 0;
}

const wchar_t* FlagText(int flag) {
    return flag == 1 ? L"TRUE" : L"FALSE";
}

const wchar_t* LevelWord(int level) {
    switch (level) {
        case 0:
            return L"LOW";
        case 1:
            return L"MIDDLE";
        default:
            return L"HIGH";
    }
}

int LevelOfWord(std::wstring_view word) {
    if (word == L"LOW") return 0;
    if (word == L"MIDDLE") return 1;
    return 2;
}

}  // namespace keldra::pages
