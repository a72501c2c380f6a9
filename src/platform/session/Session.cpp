#include "platform/session/Session.h"

namespace keldra::platform {

Session::Session() = default;
Session::~Session() = default;

}  // namespace keldra::platform
