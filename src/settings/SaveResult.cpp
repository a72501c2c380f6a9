#include "settings/SaveResult.h"

#include <cstring>

namespace keldra::settings {

SaveResult SaveResult::SystemFailure(std::wstring path, int code) {
    return Failure(std::move(path), code, std::strerror(code));
}

}  // namespace keldra::settings
