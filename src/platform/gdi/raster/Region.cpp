#include "platform/gdi/raster/Region.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>
#include <utility>

namespace keldra::platform::gdi {

namespace {

using Span = Region::Span;

bool Inside(RegionOp op, bool inA, bool inB) {
    switch (op) {
        case RegionOp::And:
            return inA && inB;
        case RegionOp::Or:
            return inA || inB;
        case RegionOp::Xor:
            return inA != inB;
        case RegionOp::Diff:
            return inA && !inB;
    }
    return false;
}

// Appends (a op b) for one band's span lists to out, walking both lists' edges in order.
// out already holds the bands above; only spans from bandStart on belong to this band.
void CombineSpans(std::span<const Span> a, std::span<const Span> b, RegionOp op,
                  std::vector<Span>& out) {
    const std::size_t bandStart = out.size();
    std::size_t ia = 0, ib = 0;
    bool inA = false, inB = false, inOut = false;
    int openedAt = 0;
    for (;;) {
        const int xa = ia < a.size() ? (inA ? a[ia].right : a[ia].left) : INT_MAX;
        const int xb = ib < b.size() ? (inB ? b[ib].right : b[ib].left) : INT_MAX;
        const int x = std::min(xa, xb);
        if (x == INT_MAX) break;
        if (xa == x) {
            if (inA) ++ia;
            inA = !inA;
        }
        if (xb == x) {
            if (inB) ++ib;
            inB = !inB;
        }
        const bool now = Inside(op, inA, inB);
        if (now == inOut) continue;
        inOut = now;
        if (now) {
            openedAt = x;
        } else if (out.size() > bandStart && out.back().right == openedAt) {
            out.back().right = x;  // touching pieces form one span
        } else {
            out.push_back({openedAt, x});
        }
    }
}

}  // namespace

Region::Region(const Rect& rect) {
    if (rect.IsEmpty()) return;
    spans_.push_back({rect.left, rect.right});
    bands_.push_back({rect.top, rect.bottom, 0, 1});
}

void Region::Clear() {
    bands_.clear();
    spans_.clear();
}

void Region::CloseBand(int top, int bottom, std::uint32_t firstSpan) {
    const auto end = static_cast<std::uint32_t>(spans_.size());
    if (firstSpan == end) return;
    if (!bands_.empty()) {
        Band& above = bands_.back();
        const auto aboveSpans = SpansOf(above);
        if (above.bottom == top && std::equal(aboveSpans.begin(), aboveSpans.end(),
                                              spans_.begin() + firstSpan, spans_.end())) {
            above.bottom = bottom;
            spans_.resize(firstSpan);
            return;
        }
    }
    bands_.push_back({top, bottom, firstSpan, end});
}

void Region::Combine(const Region& a, const Region& b, RegionOp op, Region& out) {
    // Built in a scratch region that is swapped in, so out may alias a or b; keeping the
    // scratch between calls spares an allocation per call in per-pixel builds.
    thread_local Region scratch;
    scratch.Clear();
    // Bands of a wholly above or below b come through OR, XOR and DIFF unchanged and
    // vanish under AND, so only the bands beside b need combining. That keeps the
    // one-pixel edits of a region builder from walking the whole region each time.
    const int top = b.IsEmpty() ? INT_MAX : b.bands_.front().top;
    const int bottom = b.IsEmpty() ? INT_MAX : b.bands_.back().bottom;
    const auto besideBegin = std::upper_bound(a.bands_.begin(), a.bands_.end(), top,
                                              [](int y, const Band& x) { return y < x.bottom; });
    const auto besideEnd = std::lower_bound(besideBegin, a.bands_.end(), bottom,
                                            [](const Band& x, int y) { return x.top < y; });
    const bool keepOutside = op != RegionOp::And;
    if (keepOutside) scratch.AppendBands(a, a.bands_.begin(), besideBegin);
    scratch.AppendCombined(a, besideBegin, besideEnd, b, op);
    if (keepOutside) scratch.AppendBands(a, besideEnd, a.bands_.end());
    std::swap(out.bands_, scratch.bands_);
    std::swap(out.spans_, scratch.spans_);
}

void Region::AppendBands(const Region& from, BandIterator begin, BandIterator end) {
    if (begin == end) return;
    // The first band may continue the last one here; the rest are already canonical.
    auto first = static_cast<std::uint32_t>(spans_.size());
    const auto firstSpans = from.SpansOf(*begin);
    spans_.insert(spans_.end(), firstSpans.begin(), firstSpans.end());
    CloseBand(begin->top, begin->bottom, first);
    if (++begin == end) return;
    const auto shift = static_cast<std::int64_t>(spans_.size()) - begin->spanBegin;
    spans_.insert(spans_.end(), from.spans_.begin() + begin->spanBegin,
                  from.spans_.begin() + std::prev(end)->spanEnd);
    for (; begin != end; ++begin) {
        bands_.push_back({begin->top, begin->bottom,
                          static_cast<std::uint32_t>(begin->spanBegin + shift),
                          static_cast<std::uint32_t>(begin->spanEnd + shift)});
    }
}

void Region::AppendCombined(const Region& a, BandIterator begin, BandIterator end, const Region& b,
                            RegionOp op) {
    auto ia = begin;
    auto ib = b.bands_.begin();
    int y = std::min(ia != end ? ia->top : INT_MAX, b.IsEmpty() ? INT_MAX : ib->top);
    while (ia != end || ib != b.bands_.end()) {
        const bool inA = ia != end && ia->top <= y;
        const bool inB = ib != b.bands_.end() && ib->top <= y;
        int next = INT_MAX;
        if (ia != end) next = std::min(next, inA ? ia->bottom : ia->top);
        if (ib != b.bands_.end()) next = std::min(next, inB ? ib->bottom : ib->top);
        if (inA || inB) {
            const auto first = static_cast<std::uint32_t>(spans_.size());
            CombineSpans(inA ? a.SpansOf(*ia) : std::span<const Span>{},
                         inB ? b.SpansOf(*ib) : std::span<const Span>{}, op, spans_);
            CloseBand(y, next, first);
        }
        if (inA && ia->bottom == next) ++ia;
        if (inB && ib->bottom == next) ++ib;
        y = next;
    }
}

RegionKind Region::Kind() const {
    if (bands_.empty()) return RegionKind::Empty;
    return spans_.size() == 1 ? RegionKind::Simple : RegionKind::Complex;
}

Rect Region::Bounds() const {
    if (bands_.empty()) return {};
    int left = INT_MAX, right = INT_MIN;
    for (const Band& band : bands_) {
        left = std::min(left, spans_[band.spanBegin].left);
        right = std::max(right, spans_[band.spanEnd - 1].right);
    }
    return {left, bands_.front().top, right, bands_.back().bottom};
}

bool Region::Contains(Point p) const {
    const auto band = std::upper_bound(bands_.begin(), bands_.end(), p.y,
                                       [](int y, const Band& b) { return y < b.bottom; });
    if (band == bands_.end() || band->top > p.y) return false;
    const auto spans = SpansOf(*band);
    const auto span = std::upper_bound(spans.begin(), spans.end(), p.x,
                                       [](int x, const Span& s) { return x < s.right; });
    return span != spans.end() && span->left <= p.x;
}

void Region::Offset(int dx, int dy) {
    for (Band& band : bands_) {
        band.top += dy;
        band.bottom += dy;
    }
    for (Span& span : spans_) {
        span.left += dx;
        span.right += dx;
    }
}

std::vector<Rect> Region::Rects() const {
    std::vector<Rect> rects;
    rects.reserve(spans_.size());
    for (const Band& band : bands_) {
        for (const Span& span : SpansOf(band)) {
            rects.push_back({span.left, band.top, span.right, band.bottom});
        }
    }
    return rects;
}

bool operator==(const Region& a, const Region& b) {
    // Canonical form: equal areas have equal bands and spans, and spans are stored in band
    // order, so comparing the span list and the band edges suffices.
    if (a.spans_ != b.spans_ || a.bands_.size() != b.bands_.size()) return false;
    for (std::size_t i = 0; i < a.bands_.size(); ++i) {
        const auto& x = a.bands_[i];
        const auto& y = b.bands_[i];
        if (x.top != y.top || x.bottom != y.bottom || x.spanEnd != y.spanEnd) return false;
    }
    return true;
}

}  // namespace keldra::platform::gdi
