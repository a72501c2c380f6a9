// Linux file names are bytes, the program's paths are wide strings: this is the one place
// where one becomes the other, for the current directory and for every file the settings
// open, so that any name, whatever bytes it holds, reaches the same file again.
#pragma once

#include <string>
#include <string_view>

namespace keldra::platform {

// Bytes to wide characters:
// - '/' stays '/', the folder separator.
// - A '\' is an ordinary character of a name here, but a separator in the wide path the
//   program forms ("<folder>\CONFIG.INI"), so a name's '\' becomes U+F05C, the private-use
//   character other systems use to show a Linux name's backslash through the Windows API.
// - Well-formed UTF-8 becomes its characters.
// - Every byte that is not part of well-formed UTF-8 (a Latin-1 0xE9, a cut sequence, an
//   overlong form, an encoded surrogate) becomes U+DC80..U+DCFF, 0xDC00 plus the byte.
// - A name that holds U+F05C itself, in well-formed UTF-8 (EF 81 9C), keeps those three
//   bytes as U+DCEF U+DC81 U+DC9C: a wide U+F05C always stands for a name's '\', so the
//   character cannot be mistaken for one. (A name cannot hold U+DC80..U+DCFF in well-formed
//   UTF-8: surrogates have no UTF-8 form, so their bytes are escaped like any other.)
// Wide characters to bytes undoes each rule: '\' and '/' become '/', U+F05C becomes '\',
// U+DC80..U+DCFF the byte, everything else UTF-8. So Encode(Decode(b)) == b for any bytes b.
// A character no name can come back as (another surrogate, a value beyond U+10FFFF) is
// written as U+FFFD.
class FileNameCodec {
  public:
    static std::wstring Decode(std::string_view bytes);
    static std::string Encode(std::wstring_view wide);

    static constexpr wchar_t kNameBackslash = 0xF05C;
    static constexpr wchar_t kFirstByteEscape = 0xDC80;  // stands for byte 0x80
    static constexpr wchar_t kLastByteEscape = 0xDCFF;   // stands for byte 0xFF
};

}  // namespace keldra::platform
