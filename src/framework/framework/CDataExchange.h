// One data exchange between a dialog's members and its controls: which way it runs and
// where. A control that cannot be found fails the whole exchange, and UpdateData returns
// FALSE instead of the program going on with half its values.
#pragma once

#include "framework/AfxTypes.h"

class CWnd;

class CDataExchange {
  public:
    struct Failure {};

    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control with that id in the dialog; fails the exchange when there is none.
    HWND PrepareCtrl(int id);
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// A check box's state (BST_UNCHECKED, BST_CHECKED) to and from an int.
void DDX_Check(CDataExchange* dx, int id, int& value);
// Attaches control (once) to the dialog's control with that id, so the object handles it.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
