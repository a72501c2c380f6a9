// The framework's main header, as the program's own code includes it.
#pragma once

#include <windows.h>

#include "framework/AfxTypes.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CButton.h"
#include "framework/CClientDC.h"
#include "framework/CComboBox.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CPaintDC.h"
#include "framework/CPoint.h"
#include "framework/CRect.h"
#include "framework/CRgn.h"
#include "framework/CScrollBar.h"
#include "framework/CStatic.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
