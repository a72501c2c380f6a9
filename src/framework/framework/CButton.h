// A button control: check state calls, and owner drawing through the virtual DrawItem,
// which the parent's WM_DRAWITEM reaches by way of OnChildNotify.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)

  public:
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);

    virtual void DrawItem(LPDRAWITEMSTRUCT item);

  protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
