#include "pages/CGraphicDlg.h"

#include "resource.h"

CGraphicDlg::CGraphicDlg() : CSettingsPage(IDD_GRAPHIC_DIALOG, IDB_GRAPHIC_BACK) {}
