#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

namespace keldra::settings {

// The Windows-1252 code page as a byte <-> character table, read once from the system's
// converter.
// The five bytes that the code page leaves undefined (81, 8D, 8F, 90, 9D) map to the C1
// control characters of the same value, as the platform maps them, so that every byte
// of a file survives a decode and encode.
class Windows1252Table {
  public:
    static std::wstring Decode(std::string_view bytes);
    static std::string Encode(std::wstring_view text);

  private:
    // The table, a constant once read.
    static const Windows1252Table& Loaded();
    Windows1252Table();
    std::array<wchar_t, 256> toWide_{};
    std::unordered_map<wchar_t, char> toByte_;
};

}  // namespace keldra::settings
