// Windows has no desktop menu start: its command line knows no menu option (MenuOptions), so
// nothing asks for a menu folder there. Were it asked, the start ends with nothing created,
// as when the player cancels the choice.
#include "launch/MenuStart.h"

namespace keldra::launch {

std::optional<std::filesystem::path> ResolveMenuFolder(MenuStartMode) {
    return std::nullopt;
}

}  // namespace keldra::launch
