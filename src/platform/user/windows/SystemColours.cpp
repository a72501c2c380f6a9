#include "platform/user/windows/SystemColours.h"

#include "platform/gdi/objects/BrushObject.h"
#include "platform/gdi/raster/Pixel.h"
#include "platform/user/UserConstants.h"

namespace keldra::platform::user {

namespace {

constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kText = RGB(0, 0, 0);

HBRUSH StockBrush(gdi::GdiObjectTable& objects, COLORREF colour) {
    auto brush =
        std::make_unique<gdi::BrushObject>(gdi::Brush::Solid(gdi::PixelFromColorRef(colour)));
    return static_cast<HBRUSH>(objects.AddStock(std::move(brush)));
}

}  // namespace

SystemColours::SystemColours(gdi::GdiObjectTable& objects)
    : windowBrush_(StockBrush(objects, kWindow)),
      faceBrush_(StockBrush(objects, kFace)),
      textBrush_(StockBrush(objects, kText)) {}

COLORREF SystemColours::Colour(int index) const {
    switch (index) {
        case COLOR_WINDOW:
            return kWindow;
        case COLOR_BTNFACE:
            return kFace;
        case COLOR_WINDOWTEXT:
        case COLOR_BTNTEXT:
            return kText;
        default:
            return CLR_INVALID;
    }
}

HBRUSH SystemColours::Brush(int index) const {
    switch (index) {
        case COLOR_WINDOW:
            return windowBrush_;
        case COLOR_BTNFACE:
            return faceBrush_;
        case COLOR_WINDOWTEXT:
        case COLOR_BTNTEXT:
            return textBrush_;
        default:
            return nullptr;
    }
}

bool SystemColours::IsColourIndexBrush(HBRUSH brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    return value > 0 && value <= 31;
}

}  // namespace keldra::platform::user
