// A control's caption: its key in the caption file and the program's own text for when the
// file or the key is missing. The keys and texts are the caption file's, misspellings
// included.
#pragma once

namespace keldra::pages {

struct PageCaption {
    const wchar_t* key;
    const wchar_t* defaultText;
};

}  // namespace keldra::pages
