// An area of pixels as sorted horizontal bands, each holding sorted, disjoint x-spans.
// Bands never overlap, never hold empty span lists, and two touching bands never hold the
// same spans (they are merged), so equal areas always have equal representations.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/raster/Geometry.h"

namespace keldra::platform::gdi {

enum class RegionOp { And, Or, Xor, Diff };

enum class RegionKind { Empty, Simple, Complex };

class Region {
  public:
    struct Span {
        int left;
        int right;
        friend bool operator==(const Span&, const Span&) = default;
    };

    Region() = default;
    explicit Region(const Rect& rect);

    // out := a op b. out may be the same object as a or b.
    static void Combine(const Region& a, const Region& b, RegionOp op, Region& out);

    bool IsEmpty() const { return bands_.empty(); }
    RegionKind Kind() const;
    Rect Bounds() const;
    bool Contains(Point p) const;
    void Offset(int dx, int dy);
    std::size_t RectCount() const { return spans_.size(); }
    // The area as rectangles, band by band from the top, each band left to right.
    std::vector<Rect> Rects() const;
    // The pieces of the area inside clip, in the same order.
    template <typename Visit>
    void ForEachRectIn(const Rect& clip, Visit&& visit) const;

    friend bool operator==(const Region& a, const Region& b);

  private:
    struct Band {
        int top;
        int bottom;
        std::uint32_t spanBegin;
        std::uint32_t spanEnd;
    };

    std::span<const Span> SpansOf(const Band& band) const {
        return {spans_.data() + band.spanBegin, band.spanEnd - band.spanBegin};
    }
    using BandIterator = std::vector<Band>::const_iterator;

    // Appends copies of from's bands [begin, end), which lie below every band here.
    void AppendBands(const Region& from, BandIterator begin, BandIterator end);
    // Appends a's bands [begin, end) combined with all of b, below every band here.
    void AppendCombined(const Region& a, BandIterator begin, BandIterator end, const Region& b,
                        RegionOp op);
    // Adds [top, bottom) with the spans just appended from firstSpan, merging it into the
    // band above when that band touches it and has the same spans.
    void CloseBand(int top, int bottom, std::uint32_t firstSpan);
    void Clear();

    std::vector<Band> bands_;
    std::vector<Span> spans_;
};

template <typename Visit>
void Region::ForEachRectIn(const Rect& clip, Visit&& visit) const {
    for (const Band& band : bands_) {
        if (band.bottom <= clip.top) continue;
        if (band.top >= clip.bottom) break;
        for (const Span& span : SpansOf(band)) {
            const Rect piece = Rect{span.left, band.top, span.right, band.bottom}.Intersect(clip);
            if (!piece.IsEmpty()) visit(piece);
        }
    }
}

}  // namespace keldra::platform::gdi
