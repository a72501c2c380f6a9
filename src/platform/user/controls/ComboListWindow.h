// The "ComboLBox" window class: the list a drop-down combo box shows below (or above) itself.
// It is a pop-up window that never takes the focus; while shown it holds the mouse capture,
// so a press anywhere else reaches it and closes it. The combo box keeps the keyboard and
// moves the list's highlighted ("hot") item through MoveHot.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/user/controls/ComboListOwner.h"

namespace keldra::platform::user::controls {

class ComboListWindow {
  public:
    static constexpr int kItemHeight = 13;
    static constexpr int kScrollBarWidth = 17;

    ComboListWindow(HWND window, const CREATESTRUCTW& create);

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    // pressHeld: the list opened on a mouse press that is still held, so its release on an
    // item picks that item.
    void Open(int hot, int visibleLines, bool pressHeld);
    void Close();
    int Hot() const { return hot_; }
    int VisibleLines() const { return visibleLines_; }
    void MoveHot(int hot);

  private:
    enum class ScrollPart { None, LineUp, LineDown, PageUp, PageDown, Thumb };

    int Count() const;
    bool HasScrollBar() const { return Count() > visibleLines_; }
    RECT ItemArea() const;
    RECT ScrollBarArea() const;
    RECT ScrollThumb() const;
    int ItemAt(POINT point) const;
    ScrollPart ScrollPartAt(POINT point) const;
    void ScrollTo(int top);
    void Scroll(ScrollPart part);
    void DragThumbTo(int y);
    void MouseMove(POINT point);
    void MouseDown(POINT point);
    void MouseUp(POINT point);
    void Paint(HDC dc) const;
    void PaintItems(HDC dc) const;
    void PaintScrollBar(HDC dc) const;

    HWND window_;
    ComboListOwner* owner_;
    int hot_ = -1;
    int top_ = 0;
    int visibleLines_ = 1;
    bool openingPressHeld_ = false;
    bool itemPressHeld_ = false;
    std::optional<int> thumbGrab_;  // where on the thumb a drag holds it
};

}  // namespace keldra::platform::user::controls
