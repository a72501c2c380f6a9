#include "settings/Windows1252Table.h"

#include <cstring>

#include "settings/IconvConverter.h"

namespace keldra::settings {

Windows1252Table::Windows1252Table() {
    IconvConverter converter("WCHAR_T", "WINDOWS-1252");
    for (int byte = 0; byte < 256; ++byte) {
        const char in = static_cast<char>(byte);
        std::string out;
        wchar_t wide = static_cast<wchar_t>(byte);  // undefined bytes keep their value
        if (converter.Convert(std::string_view(&in, 1), out, 1, {}) && out.size() == sizeof wide) {
            std::memcpy(&wide, out.data(), sizeof wide);
        }
        toWide_[static_cast<std::size_t>(byte)] = wide;
        toByte_.emplace(wide, in);
    }
}

}  // namespace keldra::settings
