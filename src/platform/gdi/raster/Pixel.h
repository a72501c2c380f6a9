// The one pixel format of the graphics layer: 32 bits, 0x00RRGGBB, which is also the byte
// order B, G, R, X of the platform's 32-bit device-independent bitmaps. Colours travel as
// COLORREF (0x00BBGGRR) through the Windows-named calls and are converted at that edge.
#pragma once

#include <cstdint>

#include "platform/gdi/GdiTypes.h"

namespace keldra::platform::gdi {

using Pixel = std::uint32_t;

inline constexpr Pixel kBlack = 0x000000;
inline constexpr Pixel kWhite = 0xFFFFFF;
inline constexpr Pixel kColourMask = 0xFFFFFF;

constexpr Pixel PixelFromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (Pixel{r} << 16) | (Pixel{g} << 8) | Pixel{b};
}
constexpr std::uint8_t RedOf(Pixel p) {
    return static_cast<std::uint8_t>(p >> 16);
}
constexpr std::uint8_t GreenOf(Pixel p) {
    return static_cast<std::uint8_t>(p >> 8);
}
constexpr std::uint8_t BlueOf(Pixel p) {
    return static_cast<std::uint8_t>(p);
}

constexpr Pixel PixelFromColorRef(COLORREF c) {
    return PixelFromRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}
constexpr COLORREF ColorRefFromPixel(Pixel p) {
    return RGB(RedOf(p), GreenOf(p), BlueOf(p));
}

// A monochrome surface holds only black and white. A colour is drawn there as the nearer
// of the two by brightness, as the platform does with solid colours on 1-bit targets.
constexpr Pixel NearestMonochrome(Pixel p) {
    const unsigned sum = unsigned{RedOf(p)} + GreenOf(p) + BlueOf(p);
    return sum >= 3u * 128u ? kWhite : kBlack;
}

}  // namespace keldra::platform::gdi
