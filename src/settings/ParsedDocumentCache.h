// The documents parsed last, by their exact bytes. Every read of a value must see the file
// as it is on disk now, so each read reads the file again; but a window that reads thirty
// values at start finds the same bytes each time, and those are parsed once. Its answers
// depend on the bytes alone, never on what was asked before, so one cache can serve the
// whole program.
#pragma once

#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "settings/IniDocument.h"

namespace keldra::settings {

class ParsedDocumentCache {
  public:
    // The document these bytes parse to with these options.
    std::shared_ptr<const IniDocument> Parse(std::string_view bytes, IniReadOptions options);

  private:
    // The document keeps the bytes it was parsed from, so an entry holds them only once.
    struct Entry {
        bool recogniseUtf8WithoutBom;
        std::shared_ptr<const IniDocument> document;
    };
    // The settings file and the caption file: both stay in.
    static constexpr std::size_t kEntries = 2;

    std::mutex mutex_;
    std::deque<Entry> entries_;  // the most recently used first
};

}  // namespace keldra::settings
