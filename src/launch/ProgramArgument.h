// One argument of a command line as the system hands it over: bytes on Linux, UTF-16 on
// Windows. Either is the character of std::filesystem::path, so a folder named on the
// command line reaches the file system exactly as it was given, whatever its name.
#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace keldra::launch {

using ArgumentChar = std::filesystem::path::value_type;
using ArgumentView = std::basic_string_view<ArgumentChar>;
// The arguments after the program's name.
using ProgramArguments = std::span<const ArgumentChar* const>;

// True when `argument` is exactly the option `name` (ASCII), in either form.
constexpr bool IsOption(ArgumentView argument, std::string_view name) {
    if (argument.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (argument[i] != static_cast<ArgumentChar>(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace keldra::launch
