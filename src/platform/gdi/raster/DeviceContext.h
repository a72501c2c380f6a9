// A device context: where drawing lands (a surface and the place of the context's (0, 0)
// on it), what clips it, and the colours and objects that drawing uses.
//
// Memory contexts draw into the bitmap selected into them. Display contexts (the screen,
// and windows once the window layer opens them) draw into a surface they are given; the
// window layer sets their origin and their device clip, the visible part of the window in
// the context's own coordinates. The program's own clip (SelectClipRgn) is kept apart and
// both apply.
#pragma once

#include <memory>
#include <optional>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/objects/GdiObject.h"
#include "platform/gdi/raster/Brush.h"
#include "platform/gdi/raster/Region.h"
#include "platform/gdi/raster/Surface.h"

namespace keldra::platform::gdi {

enum class DcKind { Memory, Display };

class DeviceContext : public GdiObject {
  public:
    DeviceContext(DcKind kind, std::shared_ptr<Surface> target, Point origin = {});
    ObjectKind Kind() const override { return ObjectKind::DeviceContext; }

    DcKind Type() const { return kind_; }
    Surface* Target() const { return target_.get(); }
    void SetTarget(std::shared_ptr<Surface> target) { target_ = std::move(target); }
    Point Origin() const { return origin_; }
    void SetOrigin(Point origin) { origin_ = origin; }

    void SetDeviceClip(std::optional<Region> clip);
    void SetClip(std::optional<Region> clip);
    const std::optional<Region>& Clip() const { return clip_; }
    // The smallest rectangle around everything drawing can reach, in context coordinates.
    Rect ClipBox() const;

    // Calls visit with each piece of area (context coordinates) that drawing may touch,
    // in target-surface coordinates.
    template <typename Visit>
    void ForEachVisibleRect(const Rect& area, Visit&& visit) const;

    DcColours colours;
    int backgroundMode = OPAQUE;
    Point brushOrigin;
    HGDIOBJ bitmap = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;

  private:
    void UpdateVisible();
    Rect TargetBoundsHere() const;

    DcKind kind_;
    std::shared_ptr<Surface> target_;
    Point origin_;
    std::optional<Region> deviceClip_;
    std::optional<Region> clip_;
    std::optional<Region> visible_;  // deviceClip_ and clip_ together
};

template <typename Visit>
void DeviceContext::ForEachVisibleRect(const Rect& area, Visit&& visit) const {
    const Rect reachable = area.Intersect(TargetBoundsHere());
    if (reachable.IsEmpty()) return;
    const auto toSurface = [&](const Rect& r) { visit(r.Offset(origin_.x, origin_.y)); };
    if (visible_) {
        visible_->ForEachRectIn(reachable, toSurface);
    } else {
        toSurface(reachable);
    }
}

}  // namespace keldra::platform::gdi
