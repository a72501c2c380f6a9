// The "Button" window class: check boxes (BS_CHECKBOX, BS_AUTOCHECKBOX), owner-drawn push
// buttons (BS_OWNERDRAW) and plain push buttons. A press held with the mouse (with capture)
// or with Space, released over the button, clicks it: an auto check box toggles, and the
// parent gets BN_CLICKED.
#pragma once

#include <windows.h>

#include "platform/user/controls/ButtonState.h"

namespace keldra::platform::user::controls {

class ButtonControl {
  public:
    ButtonControl(HWND window, const CREATESTRUCTW& create);

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    bool IsCheckKind() const {
        return kind_ == ButtonKind::CheckBox || kind_ == ButtonKind::AutoCheckBox;
    }
    LRESULT DialogCode() const;
    LRESULT StateBits() const;
    void MouseDown();
    void MouseMove(LPARAM point);
    void MouseUp(LPARAM point);
    void KeyDown(WPARAM key);
    void KeyUp(WPARAM key);
    void Character(WPARAM character);
    void FocusChanged(bool focused);
    void CancelPress();
    void SetPushed(bool pushed);
    void SetChecked(bool checked);
    void Click();
    bool IsInside(LPARAM point) const;
    void ShowChange(UINT action);
    void Paint();

    HWND window_;
    ButtonKind kind_;
    ButtonState state_;
    bool mouseHeld_ = false;
    bool spaceHeld_ = false;
};

}  // namespace keldra::platform::user::controls
