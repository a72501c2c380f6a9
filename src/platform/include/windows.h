// This platform layer's face of <windows.h>: the program's own code includes this and
// compiles the same against the real Windows headers.
#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/kernel/Files.h"
#include "platform/kernel/ProcessStart.h"
#include "platform/kernel/Resources.h"
#include "platform/kernel/WinTypes.h"
#include "platform/user/User.h"
#include "platform/user/UserIcons.h"
#include "platform/user/UserTypes.h"
