// The shared objects every process has: white, black and null brushes, the dialog font,
// and the 1 x 1 monochrome bitmap that a new memory device context holds.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/objects/GdiObjectTable.h"

namespace keldra::platform::gdi {

class StockObjects {
  public:
    // Adds them to `table`, which keeps them for as long as it lives.
    explicit StockObjects(GdiObjectTable& table);

    // nullptr for an index the program has no use for.
    HGDIOBJ ByIndex(int index) const;

    HGDIOBJ whiteBrush;
    HGDIOBJ blackBrush;
    HGDIOBJ nullBrush;
    HGDIOBJ dialogFont;
    HGDIOBJ defaultBitmap;
};

}  // namespace keldra::platform::gdi
