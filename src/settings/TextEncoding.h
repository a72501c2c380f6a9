#pragma once

namespace keldra::settings {

// The encodings a settings or caption file can be in. A file without a byte-order mark
// is Windows-1252 unless the reader is told to recognise UTF-8 without one.
enum class TextEncoding { Windows1252, Utf8, Utf16Le, Utf16Be };

}  // namespace keldra::settings
