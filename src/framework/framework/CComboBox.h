// A combo box control: thin calls for its list and selection.
#pragma once

#include "framework/CWnd.h"

class CComboBox : public CWnd {
  public:
    int AddString(LPCTSTR text);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
};
