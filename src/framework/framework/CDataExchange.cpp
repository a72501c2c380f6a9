#include "framework/CDataExchange.h"

#include "framework/CWnd.h"

HWND CDataExchange::PrepareCtrl(int id) {
    const HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    if (control == nullptr) Fail();
    return control;
}

void CDataExchange::Fail() {
    throw Failure{};
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd != nullptr) return;
    if (!control.SubclassWindow(dx->PrepareCtrl(id))) dx->Fail();
}
