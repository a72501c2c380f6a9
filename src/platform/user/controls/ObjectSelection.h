// Selects a graphics object into a device context and puts the previous one back at the end
// of the scope; the object itself stays with its owner.
#pragma once

#include <windows.h>

namespace keldra::platform::user::controls {

class ObjectSelection {
  public:
    ObjectSelection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~ObjectSelection() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    ObjectSelection(const ObjectSelection&) = delete;
    ObjectSelection& operator=(const ObjectSelection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace keldra::platform::user::controls
