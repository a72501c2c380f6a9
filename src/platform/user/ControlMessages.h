// Messages, styles and notifications of the standard controls, with their Windows names and
// values. The control window classes themselves live beside this file.
#pragma once

#include "platform/user/UserConstants.h"

// Buttons.
#define BS_PUSHBUTTON 0x0000u
#define BS_DEFPUSHBUTTON 0x0001u
#define BS_CHECKBOX 0x0002u
#define BS_AUTOCHECKBOX 0x0003u
#define BS_AUTORADIOBUTTON 0x0009u
#define BS_OWNERDRAW 0x000Bu
#define BS_TYPEMASK 0x000Fu
#define BM_GETCHECK 0x00F0u
#define BM_SETCHECK 0x00F1u
#define BM_GETSTATE 0x00F2u
#define BM_SETSTATE 0x00F3u
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_PUSHED 0x0004

// Static controls.
#define SS_LEFT 0x0000u
#define SS_CENTER 0x0001u
#define SS_RIGHT 0x0002u

// Combo boxes.
#define CBS_DROPDOWNLIST 0x0003u
#define CB_ERR (-1)
#define CB_ADDSTRING 0x0143u
#define CB_GETCOUNT 0x0146u
#define CB_GETCURSEL 0x0147u
#define CB_SETCURSEL 0x014Eu
#define CBN_SELCHANGE 1

// Trackbars.
#define TBS_HORZ 0x0000u
#define TBS_BOTH 0x0008u
#define TBS_NOTICKS 0x0010u
#define TBM_GETPOS (WM_USER + 0)
#define TBM_GETRANGEMIN (WM_USER + 1)
#define TBM_GETRANGEMAX (WM_USER + 2)
#define TBM_SETPOS (WM_USER + 5)
#define TBM_SETRANGE (WM_USER + 6)
#define TBM_SETRANGEMIN (WM_USER + 7)
#define TBM_SETRANGEMAX (WM_USER + 8)

// Window class names.
#define WC_BUTTONW L"Button"
#define WC_STATICW L"Static"
#define WC_COMBOBOXW L"ComboBox"
#define TRACKBAR_CLASSW L"msctls_trackbar32"

// Window messages the controls rely on, guarded in case the window layer names them too.
#ifndef WM_CANCELMODE
#define WM_CANCELMODE 0x001Fu
#endif
#ifndef WM_SYSKEYDOWN
#define WM_SYSKEYDOWN 0x0104u
#endif
#ifndef WM_SYSKEYUP
#define WM_SYSKEYUP 0x0105u
#endif
#ifndef WM_CAPTURECHANGED
#define WM_CAPTURECHANGED 0x0215u
#endif
#ifndef WS_VSCROLL
#define WS_VSCROLL 0x00200000u
#endif
#ifndef VK_F4
#define VK_F4 0x73
#endif

// More of the buttons.
#define BM_CLICK 0x00F5u
#define BST_FOCUS 0x0008

// More of the combo boxes.
#define CBS_SIMPLE 0x0001u
#define CBS_DROPDOWN 0x0002u
#define CBS_TYPEMASK 0x0003u
#define CBS_SORT 0x0100u
#define CB_ERRSPACE (-2)
#define CB_DELETESTRING 0x0144u
#define CB_GETLBTEXT 0x0148u
#define CB_GETLBTEXTLEN 0x0149u
#define CB_INSERTSTRING 0x014Au
#define CB_RESETCONTENT 0x014Bu
#define CB_SHOWDROPDOWN 0x014Fu
#define CB_GETITEMHEIGHT 0x0154u
#define CB_GETDROPPEDSTATE 0x0157u
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9
#define CBN_SELENDCANCEL 10
#define WC_COMBOLBOXW L"ComboLBox"

// More of the trackbars.
#define TBM_SETPAGESIZE (WM_USER + 21)
#define TBM_GETPAGESIZE (WM_USER + 22)
#define TBM_SETLINESIZE (WM_USER + 23)
#define TBM_GETLINESIZE (WM_USER + 24)
#define TBM_GETTHUMBRECT (WM_USER + 25)
#define TBM_GETCHANNELRECT (WM_USER + 26)
#define TB_LINEUP 0
#define TB_LINEDOWN 1
#define TB_PAGEUP 2
#define TB_PAGEDOWN 3
#define TB_THUMBPOSITION 4
#define TB_THUMBTRACK 5
#define TB_TOP 6
#define TB_BOTTOM 7
#define TB_ENDTRACK 8

// InitCommonControlsEx classes.
#define ICC_BAR_CLASSES 0x00000004u
#define ICC_WIN95_CLASSES 0x000000FFu
#define ICC_STANDARD_CLASSES 0x00004000u
