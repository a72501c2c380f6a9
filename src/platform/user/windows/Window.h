// One window of the window layer: its place in the tree, its class and procedure, its
// geometry, its text and its paint state. The window manager owns every Window; the rest of
// the platform reaches them through their handles. What a window is made with (handle,
// class, parent, owner) stays as it was made; the rest changes only through the methods
// below, which keep the style bits, the update region and the pixels in step.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/raster/Region.h"
#include "platform/gdi/raster/Surface.h"
#include "platform/user/UserConstants.h"
#include "platform/user/UserTypes.h"
#include "platform/user/windows/NativeWindowLink.h"
#include "platform/user/windows/WindowClass.h"
#include "platform/user/windows/ZOrder.h"

namespace keldra::platform::user {

using gdi::Point;
using gdi::Rect;
using gdi::Region;

class Window {
  public:
    // A child when style has WS_CHILD (parent is then its parent), else a top-level window
    // owned by `owner` (nullptr: none). Made hidden; the class's extra bytes are zero.
    Window(HWND handle, std::shared_ptr<const WindowClass> windowClass, DWORD style, DWORD exStyle,
           HWND parent, HWND owner);

    // What it was made as.
    HWND Handle() const { return handle_; }
    const WindowClass& Class() const { return *class_; }
    HWND Parent() const { return parent_; }  // null for a top-level window
    HWND Owner() const { return owner_; }    // top-level windows only
    bool IsChild() const { return (style_ & WS_CHILD) != 0 && parent_ != nullptr; }

    // Its children, topmost first; a new child goes to the bottom.
    const std::vector<HWND>& Children() const { return children_.Handles(); }
    void AddChild(HWND child) { children_.AddAtBottom(child); }
    void RemoveChild(HWND child) { children_.Remove(child); }
    void RestackChild(HWND child, HWND insertAfter) { children_.Place(child, insertAfter); }

    DWORD Style() const { return style_; }
    void SetStyle(DWORD style) { style_ = style; }
    DWORD ExStyle() const { return exStyle_; }
    void SetExStyle(DWORD exStyle) { exStyle_ = exStyle; }
    bool IsVisibleFlag() const { return (style_ & WS_VISIBLE) != 0; }
    void SetVisibleFlag(bool visible) { SetStyleBit(WS_VISIBLE, visible); }
    bool IsEnabledFlag() const { return (style_ & WS_DISABLED) == 0; }
    void SetEnabledFlag(bool enabled) { SetStyleBit(WS_DISABLED, !enabled); }
    bool Minimized() const { return minimized_; }
    // WS_MINIMIZE says the same.
    void SetMinimized(bool minimized);
    bool Destroying() const { return destroying_; }
    void MarkDestroying() { destroying_ = true; }

    WNDPROC Procedure() const { return procedure_; }
    void SetProcedure(WNDPROC procedure) { procedure_ = procedure; }
    int Id() const { return id_; }
    void SetId(int id) { id_ = id; }
    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring text) { text_ = std::move(text); }
    HFONT Font() const { return font_; }
    void SetFont(HFONT font) { font_ = font; }
    // ICON_SMALL or ICON_BIG.
    HICON Icon(int which) const { return icons_[which]; }
    void SetIcon(int which, HICON icon) { icons_[which] = icon; }
    // The big icon, else the small one.
    HICON ShownIcon() const { return icons_[1] != nullptr ? icons_[1] : icons_[0]; }
    LONG_PTR UserData() const { return userData_; }
    void SetUserData(LONG_PTR value) { userData_ = value; }
    // The class's window extra bytes at a byte index, as whole LONG_PTR slots; nullptr for
    // an index outside them or not on a slot's start.
    LONG_PTR* ExtraSlot(int index);

    // Left/top in the parent's client area; on the screen for a top-level window. The
    // windows of this layer have no frame, so the client area is the whole window.
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& bounds) { bounds_ = bounds; }
    Rect ClientRect() const { return {0, 0, bounds_.Width(), bounds_.Height()}; }
    // Window coordinates; none means the whole rectangle.
    const std::optional<Region>& Shape() const { return shape_; }
    void SetShape(std::optional<Region> shape) { shape_ = std::move(shape); }

    // The part waiting to be painted, in window coordinates, and whether its background is
    // to be erased first.
    const Region& Update() const { return update_; }
    // Adds area, as far as it lies within `within`.
    void AddToUpdate(const Region& area, const Region& within, bool erase);
    struct PendingPaint {
        Region update;
        bool erase;
    };
    // What is waiting, which is then no longer waiting.
    PendingPaint TakeUpdate();
    void ClearUpdate() { TakeUpdate(); }

    // Top-level windows: the pixels of the window and its children, made (black) the size
    // of the window when first asked for, and whether the host has yet to see their latest
    // state.
    const std::shared_ptr<gdi::Surface>& Pixels();
    // The pixels go (the window changed size, or is new); the host is to see the next ones.
    void DropPixels();
    bool NeedsPresent() const { return needsPresent_; }
    void MarkForPresent() { needsPresent_ = true; }
    void MarkPresented() { needsPresent_ = false; }
    NativeWindowLink& Native() { return native_; }

  private:
    void SetStyleBit(DWORD bit, bool on) { style_ = on ? (style_ | bit) : (style_ & ~bit); }

    const HWND handle_;
    const std::shared_ptr<const WindowClass> class_;
    const HWND parent_;
    const HWND owner_;
    ZOrder children_;

    DWORD style_;
    DWORD exStyle_;
    WNDPROC procedure_;
    int id_ = 0;
    std::wstring text_;
    HFONT font_ = nullptr;
    HICON icons_[2] = {nullptr, nullptr};
    LONG_PTR userData_ = 0;
    std::vector<LONG_PTR> extra_;

    Rect bounds_;
    std::optional<Region> shape_;
    bool minimized_ = false;

    Region update_;
    bool erasePending_ = false;

    bool destroying_ = false;
    std::shared_ptr<gdi::Surface> pixels_;
    bool needsPresent_ = false;
    NativeWindowLink native_;
};

}  // namespace keldra::platform::user
