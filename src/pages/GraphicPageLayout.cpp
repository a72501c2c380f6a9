#include "pages/PageLayouts.h"

namespace keldra::pages {

// The Graphic page's controls come with the page itself.
platform::user::DialogTemplate GraphicPageLayout() {
    return EmptyPageLayout();
}

}  // namespace keldra::pages
