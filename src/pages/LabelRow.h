// A page-table row for a static text that shows a caption and holds no setting: a group
// title, a slider's label, a slider's end marks.
#pragma once

#include "pages/PageCaption.h"

namespace keldra::pages {

struct LabelRow {
    int id;
    PageCaption caption;
};

}  // namespace keldra::pages
