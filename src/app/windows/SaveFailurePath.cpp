#include "app/SaveFailurePath.h"

#include "settings/NativePath.h"

namespace keldra::app {

// The full path, wide, without the "\\?\" form a long path is opened with. Never through
// the ANSI code page: a name outside it would not convert.
std::wstring SaveFailurePath::Shown(std::wstring_view windowsPath) {
    return settings::NativePath::ToWindows(settings::NativePath::From(windowsPath));
}

}  // namespace keldra::app
