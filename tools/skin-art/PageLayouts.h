// Where each settings page puts its group headings (dialog units, from the page
// layouts 129, 132 and 134): the page backgrounds draw a rule under each of them.
#pragma once

#include <string>
#include <vector>

#include "DialogUnits.h"

namespace keldra::skinart {

struct PageLayout {
    int bitmapId;
    std::string role;
    std::vector<DialogRect> headings;
};

class PageLayouts {
  public:
    static const std::vector<PageLayout>& All();
};

}  // namespace keldra::skinart
