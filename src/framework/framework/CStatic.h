// A label control. Its behaviour is the static window class's own.
#pragma once

#include "framework/CWnd.h"

class CStatic : public CWnd {};
