// The graphics layer's part of a platform session: the objects behind GDI handles and the
// stock ones among them, the fonts, the bitmaps decoded ahead of need, and what the
// display gives device contexts (the screen's pixels, the windows' surfaces).
#pragma once

#include <memory>

#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/image/BitmapPrefetch.h"
#include "platform/gdi/objects/GdiObjectTable.h"
#include "platform/gdi/objects/StockObjects.h"
#include "platform/kernel/ScopedCurrent.h"

namespace keldra::platform::gdi {

class FontCatalog;

class GdiState {
  public:
    GdiState();
    ~GdiState();
    GdiState(const GdiState&) = delete;
    GdiState& operator=(const GdiState&) = delete;

    // The current session's graphics state; nullptr outside a session.
    static GdiState* Current() { return ScopedCurrent<GdiState>::Get(); }
    // The same, for callers that cannot do without one.
    static GdiState& Require() { return ScopedCurrent<GdiState>::Require("graphics"); }

    GdiObjectTable& Objects() { return objects_; }
    const StockObjects& Stock() const { return stock_; }
    // Opened on first use: a session that draws no text never loads a font.
    FontCatalog& Fonts();
    BitmapPrefetch& Prefetch() { return prefetch_; }

    const std::shared_ptr<Surface>& Screen() const { return screen_; }
    void SetScreen(std::shared_ptr<Surface> screen) { screen_ = std::move(screen); }
    const WindowDcSource& WindowDcs() const { return windowDcs_; }
    void SetWindowDcs(WindowDcSource source) { windowDcs_ = std::move(source); }

  private:
    ScopedCurrent<GdiState> current_{this};  // first: current until the rest is gone
    GdiObjectTable objects_;
    StockObjects stock_{objects_};
    std::unique_ptr<FontCatalog> fonts_;
    BitmapPrefetch prefetch_;
    std::shared_ptr<Surface> screen_;
    WindowDcSource windowDcs_;
};

}  // namespace keldra::platform::gdi
