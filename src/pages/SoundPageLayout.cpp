#include "pages/PageLayouts.h"

namespace keldra::pages {

// The Sound page's controls come with the page itself.
platform::user::DialogTemplate SoundPageLayout() {
    return EmptyPageLayout();
}

}  // namespace keldra::pages
