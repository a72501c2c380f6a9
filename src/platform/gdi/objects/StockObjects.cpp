#include "platform/gdi/objects/StockObjects.h"

#include "platform/gdi/objects/BitmapObject.h"
#include "platform/gdi/objects/BrushObject.h"
#include "platform/gdi/objects/FontObject.h"

namespace keldra::platform::gdi {

namespace {

template <typename T, typename... Args>
HGDIOBJ AddStock(GdiObjectTable& table, Args&&... args) {
    return table.AddStock(std::make_unique<T>(std::forward<Args>(args)...));
}

}  // namespace

StockObjects::StockObjects(GdiObjectTable& table)
    : whiteBrush(AddStock<BrushObject>(table, Brush::Solid(kWhite))),
      blackBrush(AddStock<BrushObject>(table, Brush::Solid(kBlack))),
      nullBrush(AddStock<BrushObject>(table, Brush::Null())),
      dialogFont(AddStock<FontObject>(table, FontRequest{})),
      defaultBitmap(AddStock<BitmapObject>(table, Surface::Create(1, 1, PixelFormat::Monochrome))) {
}

HGDIOBJ StockObjects::ByIndex(int index) const {
    switch (index) {
        case WHITE_BRUSH:
            return whiteBrush;
        case BLACK_BRUSH:
            return blackBrush;
        case NULL_BRUSH:
            return nullBrush;
        case DEFAULT_GUI_FONT:
            return dialogFont;
        default:
            return nullptr;
    }
}

}  // namespace keldra::platform::gdi
