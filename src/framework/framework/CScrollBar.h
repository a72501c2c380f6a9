// A scroll bar or other control that reports WM_HSCROLL, as the handlers receive it.
#pragma once

#include "framework/CWnd.h"

class CScrollBar : public CWnd {};
