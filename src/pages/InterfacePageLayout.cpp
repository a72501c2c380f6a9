#include "pages/PageLayouts.h"

namespace keldra::pages {

// The Interface page's controls come with the page itself.
platform::user::DialogTemplate InterfacePageLayout() {
    return EmptyPageLayout();
}

}  // namespace keldra::pages
