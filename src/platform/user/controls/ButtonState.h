// What a button shows: its check state, whether it is held down, whether it has the focus
// and whether it is enabled.
#pragma once

namespace keldra::platform::user::controls {

enum class ButtonKind { Push, CheckBox, AutoCheckBox, OwnerDraw };

struct ButtonState {
    bool checked = false;
    bool pushed = false;
    bool focused = false;
    bool enabled = true;
};

}  // namespace keldra::platform::user::controls
