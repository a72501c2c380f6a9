// A bitmap handle's object: its pixels and the one device context it may be selected into.
#pragma once

#include <memory>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Surface.h"

namespace keldra::platform::gdi {

class BitmapObject : public GdiObject {
  public:
    explicit BitmapObject(std::shared_ptr<Surface> surface) : surface_(std::move(surface)) {}
    ObjectKind Kind() const override { return ObjectKind::Bitmap; }

    Surface& Pixels() const { return *surface_; }
    const std::shared_ptr<Surface>& SharedPixels() const { return surface_; }

  private:
    std::shared_ptr<Surface> surface_;
};

}  // namespace keldra::platform::gdi
