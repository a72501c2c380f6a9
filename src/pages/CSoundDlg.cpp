#include "pages/CSoundDlg.h"

#include "resource.h"

CSoundDlg::CSoundDlg() : CSettingsPage(IDD_SOUND_DIALOG, IDB_SOUND_BACK) {}
