#include "settings/ParsedDocumentCache.h"

#include <algorithm>

namespace keldra::settings {

std::shared_ptr<const IniDocument> ParsedDocumentCache::Parse(std::string_view bytes,
                                                              IniReadOptions options) {
    const std::lock_guard lock(mutex_);
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.recogniseUtf8WithoutBom == options.recogniseUtf8WithoutBom &&
               entry.document->SourceBytes() == bytes;
    });
    if (found != entries_.end()) {
        Entry entry = std::move(*found);
        entries_.erase(found);
        entries_.push_front(std::move(entry));
        return entries_.front().document;
    }
    auto document = std::make_shared<const IniDocument>(IniDocument::Parse(bytes, options));
    entries_.push_front({options.recogniseUtf8WithoutBom, document});
    if (entries_.size() > kEntries) entries_.pop_back();
    return document;
}

}  // namespace keldra::settings
