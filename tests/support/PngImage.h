#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace keldra::testing {

// A PNG file read back as 8-bit RGBA, for checking what the program wrote.
struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    static std::optional<PngImage> Read(const std::filesystem::path& file);
    std::uint8_t AlphaAt(int x, int y) const {
        return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + 3];
    }
};

}  // namespace keldra::testing
