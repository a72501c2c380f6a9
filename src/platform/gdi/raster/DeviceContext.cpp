#include "platform/gdi/raster/DeviceContext.h"

namespace keldra::platform::gdi {

DeviceContext::DeviceContext(DcKind kind, std::shared_ptr<Surface> target, Point origin)
    : kind_(kind), target_(std::move(target)), origin_(origin) {}

void DeviceContext::SetDeviceClip(std::optional<Region> clip) {
    deviceClip_ = std::move(clip);
    UpdateVisible();
}

void DeviceContext::SetClip(std::optional<Region> clip) {
    clip_ = std::move(clip);
    UpdateVisible();
}

void DeviceContext::UpdateVisible() {
    if (deviceClip_ && clip_) {
        Region both;
        Region::Combine(*deviceClip_, *clip_, RegionOp::And, both);
        visible_ = std::move(both);
    } else {
        visible_ = deviceClip_ ? deviceClip_ : clip_;
    }
}

Rect DeviceContext::TargetBoundsHere() const {
    if (target_ == nullptr) return {};
    return target_->Bounds().Offset(-origin_.x, -origin_.y);
}

Rect DeviceContext::ClipBox() const {
    const Rect bounds = TargetBoundsHere();
    return visible_ ? visible_->Bounds().Intersect(bounds) : bounds;
}

}  // namespace keldra::platform::gdi
