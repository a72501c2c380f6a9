// The graphics layer as the rest of the platform (window layer, host) and the tests see
// it: from handles to the objects behind them, and the few calls that have no Windows name.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/objects/GdiObject.h"
#include "platform/gdi/raster/DeviceContext.h"
#include "platform/gdi/raster/Region.h"
#include "platform/gdi/raster/Surface.h"

namespace keldra::platform::gdi {

// Objects and device contexts created and not yet deleted (stock objects not counted).
std::size_t LiveObjectCount();
std::size_t LiveObjectCount(ObjectKind kind);

DeviceContext* DcOf(HDC dc);
// A bitmap's pixels to draw on (made its own first if a pattern brush shares them), or to
// read; nullptr for anything but a bitmap.
Surface* SurfaceOf(HBITMAP bitmap);
const Surface* PixelsOf(HBITMAP bitmap);
Region* RegionOf(HRGN region);

HBITMAP CreateBitmapFromSurface(std::shared_ptr<Surface> surface);
HRGN CreateRegionHandle(Region region);

// A display context drawing into target with its (0, 0) at origin there, clipped to
// deviceClip (context coordinates) when given. Released with ReleaseDC or DeleteDC.
HDC OpenDisplayDc(std::shared_ptr<Surface> target, Point origin, std::optional<Region> deviceClip);

// What GetDC(NULL) and GetWindowDC(NULL) draw on; none until the host sets one.
void SetScreenSurface(std::shared_ptr<Surface> screen);
// How GetDC and GetWindowDC open a window's context; the window layer installs it.
using WindowDcSource = std::function<HDC(HWND window, bool wholeWindow)>;
void SetWindowDcSource(WindowDcSource source);

}  // namespace keldra::platform::gdi
