#include <windows.h>

#include "pages/PageLayouts.h"

namespace keldra::pages {

platform::user::DialogTemplate EmptyPageLayout() {
    platform::user::DialogTemplate layout;
    layout.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    layout.exStyle = WS_EX_CONTROLPARENT;
    layout.cx = 280;
    layout.cy = 320;
    return layout;
}

}  // namespace keldra::pages
