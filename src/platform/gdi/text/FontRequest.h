// The request behind a font: its em in pixels and its weight.
#pragma once

namespace keldra::platform::gdi {

struct FontRequest {
    // The dialog font, "MS Shell Dlg" at 8 points on a 96-DPI display: an 11-pixel em.
    static constexpr int kDialogEmPixels = 11;

    int emPixels = kDialogEmPixels;
    bool bold = false;

    friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

}  // namespace keldra::platform::gdi
