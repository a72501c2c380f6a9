// Windows: the wide argument is already the program's own kind of string and file name.
#include "IniArgument.h"

#include "launch/Utf16Text.h"

using keldra::launch::Utf16Text;

const char* const IniArgument::kEncoding = "UTF-16";

std::string IniArgument::Shown() const {
    return Utf16Text::ToUtf8(native_);
}

std::optional<std::wstring> IniArgument::Text() const {
    if (!Utf16Text::IsWellFormed(native_)) return std::nullopt;
    return native_;
}

std::wstring IniArgument::FileName() const {
    return native_;
}
