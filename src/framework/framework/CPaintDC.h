// The device context of one WM_PAINT: BeginPaint when made, EndPaint when destroyed.
#pragma once

#include "framework/CDC.h"

class CWnd;

class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

  private:
    HWND m_hWnd;
};
