// The three looks of every skinned button, in the order the buttons load them.
#pragma once

namespace keldra::skinart {

enum class ButtonState { kNormal, kHover, kPressed };

}  // namespace keldra::skinart
