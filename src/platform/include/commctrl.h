// This platform layer's face of <commctrl.h>: the common controls' start-up call. Their
// messages and styles come with <windows.h>.
#pragma once

#include <windows.h>

#include "platform/user/controls/StandardControls.h"
