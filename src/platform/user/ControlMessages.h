// Messages, styles and notifications of the standard controls, with their Windows names and
// values. The control window classes themselves live beside this file.
#pragma once

#include "platform/user/UserConstants.h"

// Buttons.
#define BS_PUSHBUTTON 0x0000L
#define BS_DEFPUSHBUTTON 0x0001L
#define BS_CHECKBOX 0x0002L
#define BS_AUTOCHECKBOX 0x0003L
#define BS_AUTORADIOBUTTON 0x0009L
#define BS_OWNERDRAW 0x000BL
#define BS_TYPEMASK 0x000FL
#define BM_GETCHECK 0x00F0u
#define BM_SETCHECK 0x00F1u
#define BM_GETSTATE 0x00F2u
#define BM_SETSTATE 0x00F3u
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_PUSHED 0x0004

// Static controls.
#define SS_LEFT 0x0000L
#define SS_CENTER 0x0001L
#define SS_RIGHT 0x0002L

// Combo boxes.
#define CBS_DROPDOWNLIST 0x0003L
#define CB_ERR (-1)
#define CB_ADDSTRING 0x0143u
#define CB_GETCOUNT 0x0146u
#define CB_GETCURSEL 0x0147u
#define CB_SETCURSEL 0x014Eu
#define CBN_SELCHANGE 1

// Trackbars.
#define TBS_HORZ 0x0000L
#define TBS_BOTH 0x0008L
#define TBS_NOTICKS 0x0010L
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
