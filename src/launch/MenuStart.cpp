#include "launch/MenuStart.h"

namespace keldra::launch {

// Being built: until the folder memory and the choosers exist, a start from the menu asks
// nothing and does not start.
std::optional<std::filesystem::path> ResolveMenuFolder(MenuStartMode) {
    return std::nullopt;
}

}  // namespace keldra::launch
