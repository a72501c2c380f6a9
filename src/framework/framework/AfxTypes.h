// The framework's small vocabulary: wide text types and the handler marker.
#pragma once

#include <windows.h>

using TCHAR = wchar_t;
using LPTSTR = LPWSTR;
using LPCTSTR = LPCWSTR;
#ifndef _T
#define _T(text) L##text
#endif
// Marks message handlers in class declarations, as the framework's own headers do.
#define afx_msg
