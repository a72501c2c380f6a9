// A font handle's object: the size and weight asked for. The faces themselves are shared
// by all fonts of that size and come from the FontCatalog when text is drawn.
#pragma once

#include "platform/gdi/FontSpec.h"
#include "platform/gdi/GdiObject.h"

namespace keldra::platform::gdi {

class FontObject : public GdiObject {
  public:
    explicit FontObject(FontSpec spec) : spec_(spec) {}
    ObjectKind Kind() const override { return ObjectKind::Font; }

    const FontSpec& Spec() const { return spec_; }

  private:
    FontSpec spec_;
};

}  // namespace keldra::platform::gdi
