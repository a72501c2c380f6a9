#include "platform/gdi/objects/StockObjects.h"

#include "platform/gdi/objects/BitmapObject.h"
#include "platform/gdi/objects/BrushObject.h"
#include "platform/gdi/objects/FontObject.h"
#include "platform/gdi/objects/GdiObjectTable.h"

namespace keldra::platform::gdi {

namespace {

template <typename T, typename... Args>
HGDIOBJ AddStock(Args&&... args) {
    return GdiObjectTable::Instance().AddStock(std::make_unique<T>(std::forward<Args>(args)...));
}

}  // namespace

const StockObjects& StockObjects::Instance() {
    static const StockObjects stock;
    return stock;
}

StockObjects::StockObjects()
    : whiteBrush(AddStock<BrushObject>(Brush::Solid(kWhite))),
      blackBrush(AddStock<BrushObject>(Brush::Solid(kBlack))),
      nullBrush(AddStock<BrushObject>(Brush::Null())),
      dialogFont(AddStock<FontObject>(FontRequest{})),
      defaultBitmap(AddStock<BitmapObject>(Surface::Create(1, 1, PixelFormat::Monochrome))) {}

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
