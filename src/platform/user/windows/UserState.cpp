#include "platform/user/windows/UserState.h"

#include "platform/gdi/state/GdiState.h"

namespace keldra::platform::user {

UserState::UserState() : colours_(gdi::GdiState::Require().Objects()) {}

}  // namespace keldra::platform::user
