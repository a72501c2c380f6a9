#include "platform/gdi/text/TextRenderer.h"

#include <algorithm>

namespace keldra::platform::gdi {

namespace {

std::uint8_t Mix(unsigned under, unsigned over, unsigned coverage) {
    return static_cast<std::uint8_t>((under * (255 - coverage) + over * coverage + 127) / 255);
}

Pixel Blend(Pixel under, Pixel over, unsigned coverage) {
    return PixelFromRgb(Mix(RedOf(under), RedOf(over), coverage),
                        Mix(GreenOf(under), GreenOf(over), coverage),
                        Mix(BlueOf(under), BlueOf(over), coverage));
}

}  // namespace

void TextRenderer::DrawLine(const TextLine& line, int x, int baseline, bool rightToLeft) {
    int pen = x;
    for (const ShapedGlyph& shaped : fonts_.Shape(line.text, rightToLeft)) {
        if (shaped.visible) {
            DrawGlyph(fonts_.GlyphOf(shaped), pen + shaped.offsetX, baseline - shaped.offsetY);
        }
        // The mnemonic's underline runs under the glyphs of its character's cluster.
        if (shaped.cluster == line.underlined && shaped.advance > 0) {
            FillBox({pen, baseline + 1, pen + shaped.advance, baseline + 2}, colour_);
        }
        pen += shaped.advance;
    }
}

void TextRenderer::FillBox(const Rect& box, Pixel colour) {
    for (const Rect& clip : clips_) target_.Fill(box.Intersect(clip), colour);
}

void TextRenderer::DrawGlyph(const Glyph& glyph, int penX, int baseline) {
    const Rect box =
        Rect::FromSize(penX + glyph.left, baseline - glyph.top, glyph.width, glyph.rows);
    for (const Rect& clip : clips_) {
        const Rect visible = box.Intersect(clip).Intersect(target_.Bounds());
        for (int y = visible.top; y < visible.bottom; ++y) {
            const auto row = std::span(glyph.coverage)
                                 .subspan(static_cast<std::size_t>(y - box.top) * glyph.width,
                                          static_cast<std::size_t>(glyph.width));
            BlendSpan(y, box.left, row, visible);
        }
    }
}

void TextRenderer::BlendSpan(int y, int x, std::span<const std::uint8_t> coverage,
                             const Rect& clip) {
    auto row = target_.Row(y);
    const bool mono = target_.IsMonochrome();
    for (int px = clip.left; px < clip.right; ++px) {
        const unsigned c = coverage[static_cast<std::size_t>(px - x)];
        if (c == 0) continue;
        // A monochrome target takes the text colour where a pixel is at least half inked.
        if (mono) {
            if (c >= 128) row[px] = target_.Fit(colour_);
        } else {
            row[px] = c == 255 ? colour_ : Blend(row[px], colour_, c);
        }
    }
}

}  // namespace keldra::platform::gdi
