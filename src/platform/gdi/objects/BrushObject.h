// A brush handle's object.
#pragma once

#include "platform/gdi/objects/GdiObject.h"
#include "platform/gdi/raster/Brush.h"

namespace keldra::platform::gdi {

class BrushObject : public GdiObject {
  public:
    explicit BrushObject(Brush brush) : brush_(std::move(brush)) {}
    ObjectKind Kind() const override { return ObjectKind::Brush; }

    const Brush& Get() const { return brush_; }

  private:
    Brush brush_;
};

}  // namespace keldra::platform::gdi
