// Linux: the bytes as given; text must be UTF-8, and a file name is any bytes at all.
#include "IniArgument.h"

#include "settings/NativePath.h"
#include "settings/TextCodec.h"

using keldra::settings::NativePath;
using keldra::settings::TextCodec;

const char* const IniArgument::kEncoding = "UTF-8";

std::string IniArgument::Shown() const {
    return native_;
}

std::optional<std::wstring> IniArgument::Text() const {
    if (!TextCodec::IsValidUtf8(native_)) return std::nullopt;
    return TextCodec::FromUtf8(native_);
}

std::wstring IniArgument::FileName() const {
    return NativePath::ToWindows(native_);  // a Linux path, byte for byte
}
