#include "platform/gdi/raster/Blitter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace keldra::platform::gdi {

void Blitter::Blit(Surface& dst, const Rect& area, const Surface& src, Point sourceTopLeft,
                   RasterOp op, const BlitColours& colours) {
    if (area.IsEmpty()) return;
    const bool toMono = dst.IsMonochrome() && !src.IsMonochrome();
    const bool fromMono = src.IsMonochrome() && !dst.IsMonochrome();
    if (op == RasterOp::Copy && !toMono && !fromMono) {
        CopyRows(dst, area, src, sourceTopLeft);
        return;
    }
    // Each source row goes through a buffer first, so overlapping areas of one surface
    // read their pixels before any is overwritten; rows run away from the overlap.
    std::vector<Pixel> buffer(static_cast<std::size_t>(area.Width()));
    const bool upwards = &dst == &src && sourceTopLeft.y < area.top;
    for (int i = 0; i < area.Height(); ++i) {
        const int row = upwards ? area.Height() - 1 - i : i;
        const auto source = src.Row(sourceTopLeft.y + row).subspan(sourceTopLeft.x, buffer.size());
        ConvertRow(source, buffer, toMono, fromMono, colours);
        Combine(buffer, dst.Row(area.top + row).subspan(area.left, buffer.size()), op);
    }
}

void Blitter::CopyRows(Surface& dst, const Rect& area, const Surface& src, Point from) {
    const std::size_t bytes = static_cast<std::size_t>(area.Width()) * sizeof(Pixel);
    const bool upwards = &dst == &src && from.y < area.top;
    for (int i = 0; i < area.Height(); ++i) {
        const int row = upwards ? area.Height() - 1 - i : i;
        std::memmove(dst.Row(area.top + row).data() + area.left,
                     src.Row(from.y + row).data() + from.x, bytes);
    }
}

void Blitter::ConvertRow(std::span<const Pixel> source, std::span<Pixel> out, bool toMono,
                         bool fromMono, const BlitColours& colours) {
    if (toMono) {
        const Pixel key = colours.sourceBackground;
        std::transform(source.begin(), source.end(), out.begin(),
                       [key](Pixel p) { return p == key ? kWhite : kBlack; });
    } else if (fromMono) {
        const DcColours c = colours.destination;
        std::transform(source.begin(), source.end(), out.begin(),
                       [c](Pixel p) { return p == kWhite ? c.background : c.text; });
    } else {
        std::copy(source.begin(), source.end(), out.begin());
    }
}

void Blitter::Combine(std::span<const Pixel> source, std::span<Pixel> target, RasterOp op) {
    auto apply = [&](auto combine) {
        for (std::size_t i = 0; i < target.size(); ++i) target[i] = combine(target[i], source[i]);
    };
    switch (op) {
        case RasterOp::Copy:
            apply([](Pixel, Pixel s) { return s; });
            break;
        case RasterOp::Invert:
            apply([](Pixel d, Pixel s) { return d ^ s; });
            break;
        case RasterOp::And:
            apply([](Pixel d, Pixel s) { return d & s; });
            break;
        case RasterOp::Paint:
            apply([](Pixel d, Pixel s) { return d | s; });
            break;
    }
}

}  // namespace keldra::platform::gdi
