// Resource ids of the program: layouts, controls, bitmaps and the icon.
#pragma once

// Layouts
#define IDD_CONFIG_DIALOG 102
#define IDD_GRAPHIC_DIALOG 129
#define IDD_INTERFACE_DIALOG 132
#define IDD_SOUND_DIALOG 134

// The application icon
#define IDR_MAINFRAME 128

// The main window's buttons (IDOK and IDCANCEL are the platform's 1 and 2)
#define IDC_DEF_BUTTON 1000
#define IDC_GRAPHIC_TAB 1051
#define IDC_SOUND_TAB 1052
#define IDC_INTERFACE_TAB 1053
#define IDC_MINIMIZE_BUTTON 1054
#define IDC_CLOSE_BUTTON 1055

// Skin bitmaps
#define IDB_MAIN_BACK 152
#define IDB_GRAPHIC_BACK 153
#define IDB_INTERFACE_BACK 154
#define IDB_SOUND_BACK 155
#define IDB_BUTTON_NORMAL 156
#define IDB_BUTTON_HOVER 157
#define IDB_BUTTON_PRESSED 158
#define IDB_SLIDER_CHANNEL 159
#define IDB_SLIDER_THUMB 160
#define IDB_TAB_NORMAL 161
#define IDB_TAB_HOVER 162
#define IDB_TAB_PRESSED 163
#define IDB_MINIMIZE_NORMAL 164
#define IDB_MINIMIZE_HOVER 165
#define IDB_MINIMIZE_PRESSED 166
#define IDB_CLOSE_NORMAL 167
#define IDB_CLOSE_HOVER 168
#define IDB_CLOSE_PRESSED 169
