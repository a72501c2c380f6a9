// Draws one button of the "Button" class in its current state: the check box with its text,
// the plain push button, or, for an owner-drawn button, the parent through WM_DRAWITEM.
#pragma once

#include <windows.h>

#include "platform/user/controls/ButtonState.h"

namespace keldra::platform::user::controls {

class ButtonPainter {
  public:
    static constexpr int kBoxSize = 13;
    static constexpr int kTextLeft = 16;

    ButtonPainter(HWND window, HDC dc) : window_(window), dc_(dc) {}

    // action is the owner-draw action (ODA_DRAWENTIRE, ODA_SELECT or ODA_FOCUS).
    void Draw(ButtonKind kind, const ButtonState& state, UINT action) const;

  private:
    void DrawCheckBox(const ButtonState& state) const;
    void DrawBox(const RECT& box, const ButtonState& state) const;
    void DrawLabel(RECT area, const ButtonState& state) const;
    void DrawPushButton(const ButtonState& state) const;
    void DrawOwnerDrawn(const ButtonState& state, UINT action) const;

    HWND window_;
    HDC dc_;
};

}  // namespace keldra::platform::user::controls
