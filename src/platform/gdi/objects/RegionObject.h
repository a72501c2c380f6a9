// A region handle's object.
#pragma once

#include "platform/gdi/objects/GdiObject.h"
#include "platform/gdi/raster/Region.h"

namespace keldra::platform::gdi {

class RegionObject : public GdiObject {
  public:
    explicit RegionObject(Region region) : region_(std::move(region)) {}
    ObjectKind Kind() const override { return ObjectKind::Region; }

    Region& Get() { return region_; }

  private:
    Region region_;
};

}  // namespace keldra::platform::gdi
