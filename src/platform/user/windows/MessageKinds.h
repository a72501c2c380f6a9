// Kinds of messages that the default procedures treat alike.
#pragma once

#include "platform/user/UserConstants.h"
#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

// WM_CTLCOLORMSGBOX ... WM_CTLCOLORSTATIC: a control asks its parent for its colours.
inline bool IsControlColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace keldra::platform::user
