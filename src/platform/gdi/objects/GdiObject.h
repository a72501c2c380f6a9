// The common base of everything a GDI handle can name.
#pragma once

namespace keldra::platform::gdi {

enum class ObjectKind { Bitmap, Brush, Region, Font, DeviceContext };

class GdiObject {
  public:
    virtual ~GdiObject() = default;
    virtual ObjectKind Kind() const = 0;

    // How many device contexts hold this object selected; such an object cannot be deleted.
    int selections = 0;
};

}  // namespace keldra::platform::gdi
