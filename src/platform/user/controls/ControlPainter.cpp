#include "platform/user/controls/ControlPainter.h"

#include <algorithm>
#include <array>

#include "platform/user/controls/ClassicColours.h"
#include "platform/user/controls/SolidBrush.h"

namespace keldra::platform::user::controls {

namespace {

// The check mark glyph, one string per row; '#' is ink.
constexpr std::array<const char*, 7> kCheckMark = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};

// An owned memory context with an owned bitmap selected, for the inverting copies.
class ScratchBitmap {
  public:
    ScratchBitmap(HDC reference, int width, int height)
        : dc_(CreateCompatibleDC(reference)),
          bitmap_(CreateCompatibleBitmap(reference, width, height)),
          previous_(SelectObject(dc_, bitmap_)) {}
    ~ScratchBitmap() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    ScratchBitmap(const ScratchBitmap&) = delete;
    ScratchBitmap& operator=(const ScratchBitmap&) = delete;

    HDC Dc() const { return dc_; }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

}  // namespace

void ControlPainter::Fill(const RECT& rect, COLORREF colour) const {
    const SolidBrush brush(colour);
    FillRect(dc_, &rect, brush.Get());
}

void ControlPainter::Fill(const RECT& rect, HBRUSH brush) const {
    if (brush != nullptr) FillRect(dc_, &rect, brush);
}

void ControlPainter::Pixels(int x, int y, int width, int height, COLORREF colour) const {
    if (width <= 0 || height <= 0) return;
    Fill(RECT{x, y, x + width, y + height}, colour);
}

void ControlPainter::Frame(const RECT& r, COLORREF colour) const {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    Pixels(r.left, r.top, width, 1, colour);
    Pixels(r.left, r.bottom - 1, width, 1, colour);
    Pixels(r.left, r.top, 1, height, colour);
    Pixels(r.right - 1, r.top, 1, height, colour);
}

void ControlPainter::SunkenEdge(const RECT& r) const {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // Outer ring: shadow above and left, highlight below and right.
    Pixels(r.left, r.top, width - 1, 1, classic::kShadow);
    Pixels(r.left, r.top, 1, height - 1, classic::kShadow);
    Pixels(r.left, r.bottom - 1, width, 1, classic::kHighlight);
    Pixels(r.right - 1, r.top, 1, height, classic::kHighlight);
    // Inner ring: dark shadow above and left, light below and right.
    Pixels(r.left + 1, r.top + 1, width - 3, 1, classic::kDarkShadow);
    Pixels(r.left + 1, r.top + 1, 1, height - 3, classic::kDarkShadow);
    Pixels(r.left + 1, r.bottom - 2, width - 2, 1, classic::kLight);
    Pixels(r.right - 2, r.top + 1, 1, height - 2, classic::kLight);
}

void ControlPainter::RaisedEdge(const RECT& r) const {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    Pixels(r.left, r.top, width - 1, 1, classic::kLight);
    Pixels(r.left, r.top, 1, height - 1, classic::kLight);
    Pixels(r.left, r.bottom - 1, width, 1, classic::kDarkShadow);
    Pixels(r.right - 1, r.top, 1, height, classic::kDarkShadow);
    Pixels(r.left + 1, r.top + 1, width - 3, 1, classic::kHighlight);
    Pixels(r.left + 1, r.top + 1, 1, height - 3, classic::kHighlight);
    Pixels(r.left + 1, r.bottom - 2, width - 2, 1, classic::kShadow);
    Pixels(r.right - 2, r.top + 1, 1, height - 2, classic::kShadow);
}

void ControlPainter::InvertRow(int x, int y, int length, int phase) const {
    if (length <= 0) return;
    ScratchBitmap dots(dc_, length, 1);
    const ControlPainter scratch(dots.Dc());
    scratch.Pixels(0, 0, length, 1, RGB(0, 0, 0));
    for (int i = phase; i < length; i += 2) scratch.Pixels(i, 0, 1, 1, RGB(255, 255, 255));
    BitBlt(dc_, x, y, length, 1, dots.Dc(), 0, 0, SRCINVERT);
}

void ControlPainter::InvertColumn(int x, int y, int length, int phase) const {
    if (length <= 0) return;
    ScratchBitmap dots(dc_, 1, length);
    const ControlPainter scratch(dots.Dc());
    scratch.Pixels(0, 0, 1, length, RGB(0, 0, 0));
    for (int i = phase; i < length; i += 2) scratch.Pixels(0, i, 1, 1, RGB(255, 255, 255));
    BitBlt(dc_, x, y, 1, length, dots.Dc(), 0, 0, SRCINVERT);
}

void ControlPainter::FocusFrame(const RECT& r) const {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return;
    // Dots on the even positions of the whole outline, each pixel inverted once.
    InvertRow(r.left, r.top, width, 0);
    if (height > 1) InvertRow(r.left, r.bottom - 1, width, (height - 1) % 2);
    InvertColumn(r.left, r.top + 1, height - 2, 1);
    if (width > 1) InvertColumn(r.right - 1, r.top + 1, height - 2, (width) % 2);
}

void ControlPainter::CheckMark(int x, int y, COLORREF colour) const {
    for (int row = 0; row < static_cast<int>(kCheckMark.size()); ++row) {
        for (int column = 0; kCheckMark[static_cast<std::size_t>(row)][column] != '\0'; ++column) {
            if (kCheckMark[static_cast<std::size_t>(row)][column] == '#')
                Pixels(x + column, y + row, 1, 1, colour);
        }
    }
}

void ControlPainter::Arrow(const RECT& r, ArrowDirection direction, COLORREF colour) const {
    const int left = r.left + (r.right - r.left - 7) / 2;
    const int top = r.top + (r.bottom - r.top - 4) / 2;
    for (int row = 0; row < 4; ++row) {
        const int widthRow = direction == ArrowDirection::Down ? 7 - 2 * row : 1 + 2 * row;
        Pixels(left + (7 - widthRow) / 2, top + row, widthRow, 1, colour);
    }
}

}  // namespace keldra::platform::user::controls
