// The framework's small vocabulary: wide text types and the handler marker.
#pragma once

#include <windows.h>
// Windows keeps the message crackers (GET_X_LPARAM) in <windowsx.h> and the common controls'
// messages (TBM_*, _TrackMouseEvent) in <commctrl.h>; the Linux platform's <windows.h> has
// the crackers itself.
#ifdef _WIN32
#include <windowsx.h>
// <windowsx.h>'s SubclassWindow macro would rewrite CWnd::SubclassWindow.
#undef SubclassWindow
#endif
#include <commctrl.h>

using TCHAR = wchar_t;
using LPTSTR = LPWSTR;
using LPCTSTR = LPCWSTR;
#ifndef _T
#define _T(text) L##text
#endif
// Marks message handlers in class declarations, as the framework's own headers do.
#define afx_msg
