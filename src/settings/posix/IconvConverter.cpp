#include "settings/IconvConverter.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace keldra::settings {

IconvConverter::IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
}

IconvConverter::~IconvConverter() {
    iconv_close(cd_);
}

bool IconvConverter::Convert(std::string_view in, std::string& out, std::size_t skipUnit,
                             std::string_view replacement) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state for every text
    bool clean = true;
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
        const int error = errno;
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1) || error == E2BIG) continue;
        clean = false;
        out.append(replacement);
        if (error == EINVAL) break;  // a sequence cut off at the end: one replacement for it
        // EILSEQ: an invalid or unconvertible sequence; skip it and go on.
        const std::size_t skip = std::min(skipUnit, srcLeft);
        src += skip;
        srcLeft -= skip;
    }
    return clean;
}

}  // namespace keldra::settings
