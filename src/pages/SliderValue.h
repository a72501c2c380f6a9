// How the pages keep numbers and switches in CONFIG.INI: a slider shows a stored number n
// at position 1000 * n and stores position p as p / 1000, as a number or as a level word;
// a switch is stored as the word TRUE or FALSE and reads as on only for exactly TRUE.
#pragma once

#include <string>
#include <string_view>

namespace keldra::pages {

inline constexpr int kSliderStep = 1000;

// The slider position of a stored number. A number so large that the position would not fit
// an int gives the int's end, which the trackbar then clamps to the slider's end.
int SliderPositionOf(int stored);
// The number stored for a slider position, truncated toward zero.
int StoredNumberOf(int position);
std::wstring StoredNumberText(int position);

// 1 for exactly "TRUE", case included; 0 for anything else.
int FlagOf(std::wstring_view stored);
const wchar_t* FlagText(int flag);

// How a slider's level is stored.
enum class SliderForm {
    Number,     // the level as a decimal number
    LevelWord,  // level 0 "LOW", 1 "MIDDLE", 2 "HIGH"
};

// The word of a level; every level above 1 is HIGH.
const wchar_t* LevelWord(int level);
// Case-sensitive and whole; every word other than LOW and MIDDLE counts as HIGH.
int LevelOfWord(std::wstring_view word);

}  // namespace keldra::pages
