#include "platform/sdl/SdlShape.h"

#include <cstdint>

namespace keldra::platform::host {

SdlSurfacePtr SdlShape::Surface(int width, int height, const std::optional<gdi::Region>& region,
                                int scale) {
    width *= scale;
    height *= scale;
    SdlSurfacePtr shape(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!shape) return nullptr;
    constexpr std::uint32_t kInside = 0xFF000000;
    const gdi::Rect whole{0, 0, width, height};
    auto* pixels = static_cast<std::uint8_t*>(shape->pixels);
    SDL_memset(pixels, 0,
               static_cast<std::size_t>(shape->pitch) * static_cast<std::size_t>(height));
    const auto fill = [&](const gdi::Rect& piece) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(y) *
                                                                      shape->pitch);
            for (int x = piece.left; x < piece.right; ++x) row[x] = kInside;
        }
    };
    if (region) {
        region->ForEachRectIn({0, 0, width / scale, height / scale}, [&](const gdi::Rect& piece) {
            fill(
                {piece.left * scale, piece.top * scale, piece.right * scale, piece.bottom * scale});
        });
    } else {
        fill(whole);
    }
    return shape;
}

}  // namespace keldra::platform::host
