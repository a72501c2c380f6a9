#include "settings/windows/UniqueHandle.h"

#include <windows.h>

namespace keldra::settings {

bool UniqueHandle::Close() {
    if (handle_ == nullptr) return true;
    return CloseHandle(std::exchange(handle_, nullptr)) != FALSE;
}

}  // namespace keldra::settings
