#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace keldra::settings {

// One glibc iconv conversion descriptor, owned. Invalid or unconvertible input never
// stops a conversion: it is replaced and the conversion goes on, so no input is fatal.
class IconvConverter {
  public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts `in`. A sequence that cannot be converted skips `skipUnit` input bytes and
    // appends `replacement` (already in the target encoding). Returns false when any
    // replacement happened.
    bool Convert(std::string_view in, std::string& out, std::size_t skipUnit,
                 std::string_view replacement);

  private:
    iconv_t cd_;
};

}  // namespace keldra::settings
