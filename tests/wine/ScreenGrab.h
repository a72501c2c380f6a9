// What a window looks like on the desktop, pixel by pixel: the screen's pixels at its place
// and which of them its shape keeps; and a picture written as PNG for a person to look at.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace keldra::testing {

struct ScreenGrab {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;  // 0xRRGGBB, row by row
    std::vector<bool> inside;        // inside the window's bounding shape

    // The screen's pixels in the rectangle (x, y, width, height) of the root, and the shape
    // of `window` (whose top-left corner lies at x, y); empty when the server refuses.
    static ScreenGrab Take(const std::string& display, unsigned long window, int x, int y,
                           int width, int height);

    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
    bool Inside(int x, int y) const { return inside[static_cast<std::size_t>(y) * width + x]; }
};

// Writes 0xRRGGBB pixels as an 8-bit RGB PNG; false when the file cannot be written.
bool WriteRgbPng(const std::filesystem::path& file, int width, int height,
                 const std::vector<std::uint32_t>& rgb);

}  // namespace keldra::testing
