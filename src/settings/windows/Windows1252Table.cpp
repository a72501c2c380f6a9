#include "settings/Windows1252Table.h"

#include <windows.h>

namespace keldra::settings {

Windows1252Table::Windows1252Table() {
    for (int byte = 0; byte < 256; ++byte) {
        const char in = static_cast<char>(byte);
        wchar_t wide = static_cast<wchar_t>(byte);  // undefined bytes keep their value
        wchar_t converted = 0;
        if (MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, &in, 1, &converted, 1) == 1)
            wide = converted;
        toWide_[static_cast<std::size_t>(byte)] = wide;
        toByte_.emplace(wide, in);
    }
}

}  // namespace keldra::settings
