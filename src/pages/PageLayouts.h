// The layouts of the three settings pages, in dialog units, as the resource script would
// hold them. Each page keeps its own next to its class.
#pragma once

#include "platform/user/DialogTemplate.h"

namespace keldra::pages {

platform::user::DialogTemplate GraphicPageLayout();
platform::user::DialogTemplate InterfacePageLayout();
platform::user::DialogTemplate SoundPageLayout();

// What every page layout starts from: a child dialog of 280 x 320 units whose controls
// join the main window's tab ring.
platform::user::DialogTemplate EmptyPageLayout();

}  // namespace keldra::pages
