// A bitmap handle's object: its pixels and the one device context it may be selected into.
#pragma once

#include <memory>

#include "platform/gdi/objects/GdiObject.h"
#include "platform/gdi/raster/Surface.h"

namespace keldra::platform::gdi {

class BitmapObject : public GdiObject {
  public:
    explicit BitmapObject(std::shared_ptr<Surface> surface) : surface_(std::move(surface)) {}
    ObjectKind Kind() const override { return ObjectKind::Bitmap; }

    const Surface& Pixels() const { return *surface_; }
    // The pixels, to draw on: first made the bitmap's own if a pattern brush shares them.
    Surface& WritablePixels() {
        TakeOwnPixels();
        return *surface_;
    }
    const std::shared_ptr<Surface>& SharedPixels() const { return surface_; }

    // A pattern brush takes the pixels as they are. They stay shared, not copied, until the
    // bitmap is drawn on: a skin's background brush costs no copy of a whole background.
    std::shared_ptr<const Surface> ShareWithBrush() {
        sharedWithBrush_ = true;
        return surface_;
    }
    bool SharesPixels() const { return sharedWithBrush_; }
    // Gives the bitmap a copy of its own when a brush shares its pixels. False when memory
    // for the copy runs out; then nothing changes.
    bool TakeOwnPixels() {
        if (!sharedWithBrush_) return true;
        std::shared_ptr<Surface> copy = surface_->Clone();
        if (copy == nullptr) return false;
        surface_ = std::move(copy);
        sharedWithBrush_ = false;
        return true;
    }

  private:
    std::shared_ptr<Surface> surface_;
    bool sharedWithBrush_ = false;
};

}  // namespace keldra::platform::gdi
