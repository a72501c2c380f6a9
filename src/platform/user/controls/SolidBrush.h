// An owned solid brush, deleted with the object.
#pragma once

#include <windows.h>

namespace keldra::platform::user::controls {

class SolidBrush {
  public:
    explicit SolidBrush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
    ~SolidBrush() {
        if (brush_ != nullptr) DeleteObject(brush_);
    }
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;

    HBRUSH Get() const { return brush_; }

  private:
    HBRUSH brush_;
};

}  // namespace keldra::platform::user::controls
