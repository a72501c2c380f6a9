#include "platform/user/windows/WindowGeometry.h"

#include "platform/user/windows/WindowManager.h"

namespace keldra::platform::user {

namespace {

// WM_NCHITTEST answers that hit-testing looks at.
constexpr LRESULT kTransparent = -1;

Region Offset(Region area, Point by) {
    area.Offset(by.x, by.y);
    return area;
}

}  // namespace

Point WindowGeometry::OriginInTopLevel(const Window& window) const {
    Point origin;
    for (const Window* w = &window; w != nullptr && w->IsChild(); w = manager_.Find(w->Parent())) {
        origin.x += w->Bounds().left;
        origin.y += w->Bounds().top;
    }
    return origin;
}

Point WindowGeometry::ScreenOrigin(const Window& window) const {
    Point origin = OriginInTopLevel(window);
    if (const Window* top = manager_.Find(manager_.TopLevelOf(window.Handle()))) {
        origin.x += top->Bounds().left;
        origin.y += top->Bounds().top;
    }
    return origin;
}

bool WindowGeometry::IsShowing(const Window& window) const {
    const Window* w = &window;
    while (w != nullptr) {
        if (!w->IsVisibleFlag() || w->Minimized()) return false;
        if (!w->IsChild()) return true;
        w = manager_.Find(w->Parent());
    }
    return false;
}

Region WindowGeometry::ShapeOf(const Window& window) {
    Region area(window.ClientRect());
    if (window.Shape()) Region::Combine(area, *window.Shape(), gdi::RegionOp::And, area);
    return area;
}

Region WindowGeometry::VisibleRegion(const Window& window) const {
    Region area = ShapeOf(window);
    if (window.Style() & WS_CLIPCHILDREN) CutChildren(window, area);
    Point offset;  // the current window's origin in window's coordinates
    const Window* current = &window;
    while (current->IsChild()) {
        const Window* parent = manager_.Find(current->Parent());
        if (parent == nullptr) break;
        if (current->Style() & WS_CLIPSIBLINGS) CutAboveSiblings(*current, offset, area);
        offset = {offset.x - current->Bounds().left, offset.y - current->Bounds().top};
        Region::Combine(area, Offset(ShapeOf(*parent), offset), gdi::RegionOp::And, area);
        current = parent;
    }
    return area;
}

void WindowGeometry::CutAboveSiblings(const Window& window, Point offset, Region& area) const {
    const Window* parent = manager_.Find(window.Parent());
    for (HWND sibling : parent->Children()) {
        if (sibling == window.Handle()) return;
        const Window* above = manager_.Find(sibling);
        if (above == nullptr || !above->IsVisibleFlag()) continue;
        const Point at{above->Bounds().left - window.Bounds().left + offset.x,
                       above->Bounds().top - window.Bounds().top + offset.y};
        Region::Combine(area, Offset(ShapeOf(*above), at), gdi::RegionOp::Diff, area);
    }
}

void WindowGeometry::CutChildren(const Window& window, Region& area) const {
    for (HWND child : window.Children()) {
        const Window* c = manager_.Find(child);
        if (c == nullptr || !c->IsVisibleFlag()) continue;
        Region::Combine(area, Offset(ShapeOf(*c), {c->Bounds().left, c->Bounds().top}),
                        gdi::RegionOp::Diff, area);
    }
}

HWND WindowGeometry::WindowAt(Point screen) const {
    for (HWND handle : manager_.TopLevels()) {
        const Window* top = manager_.Find(handle);
        if (top == nullptr || !IsShowing(*top)) continue;
        const Point inside{screen.x - top->Bounds().left, screen.y - top->Bounds().top};
        if (!ShapeOf(*top).Contains(inside)) continue;
        // A disabled top-level window (the owner of a modal dialog) swallows the click.
        if (!top->IsEnabledFlag()) return nullptr;
        return ChildAt(handle, inside, screen);
    }
    return nullptr;
}

HWND WindowGeometry::ChildAt(HWND parent, Point inParent, Point screen) const {
    const Window* window = manager_.Find(parent);
    const std::vector<HWND> children = window->Children();  // WM_NCHITTEST may change the tree
    for (HWND handle : children) {
        const Window* child = manager_.Find(handle);
        if (child == nullptr || !child->IsVisibleFlag() || !child->IsEnabledFlag()) continue;
        const Point inside{inParent.x - child->Bounds().left, inParent.y - child->Bounds().top};
        if (!ShapeOf(*child).Contains(inside)) continue;
        const LRESULT hit = manager_.Send(handle, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (hit == kTransparent || manager_.Find(handle) == nullptr) continue;
        return ChildAt(handle, inside, screen);
    }
    return parent;
}

}  // namespace keldra::platform::user
