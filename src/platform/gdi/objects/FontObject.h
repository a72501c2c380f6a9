// A font handle's object: the size and weight asked for. The faces themselves are shared
// by all fonts of that size and come from the FontCatalog when text is drawn.
#pragma once

#include "platform/gdi/objects/GdiObject.h"
#include "platform/gdi/text/FontRequest.h"

namespace keldra::platform::gdi {

class FontObject : public GdiObject {
  public:
    explicit FontObject(FontRequest request) : request_(request) {}
    ObjectKind Kind() const override { return ObjectKind::Font; }

    const FontRequest& Request() const { return request_; }

  private:
    FontRequest request_;
};

}  // namespace keldra::platform::gdi
