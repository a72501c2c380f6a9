#include "pages/CInterfaceDlg.h"

#include "resource.h"

CInterfaceDlg::CInterfaceDlg() : CSettingsPage(IDD_INTERFACE_DIALOG, IDB_INTERFACE_BACK) {}
