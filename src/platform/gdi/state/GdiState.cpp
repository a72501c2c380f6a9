#include "platform/gdi/state/GdiState.h"

#include "platform/gdi/text/FontCatalog.h"

namespace keldra::platform::gdi {

GdiState::GdiState() = default;
GdiState::~GdiState() = default;

FontCatalog& GdiState::Fonts() {
    if (fonts_ == nullptr) fonts_ = std::make_unique<FontCatalog>();
    return *fonts_;
}

}  // namespace keldra::platform::gdi
