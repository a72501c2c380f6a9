// The names of the messages this platform knows, for the trace.
#pragma once

#include <string_view>

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

// "WM_PAINT", ...; nullptr for a message without a name here. Messages from WM_USER up
// mean different things to different classes, so their name depends on the window's class
// (TBM_GETPOS to a trackbar is DM_GETDEFID to a dialog).
const char* MessageName(UINT message, std::wstring_view className);

}  // namespace keldra::platform::user
