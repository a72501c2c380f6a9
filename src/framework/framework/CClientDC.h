// A window's device context for drawing outside WM_PAINT, released when destroyed.
#pragma once

#include "framework/CDC.h"

class CWnd;

class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

  private:
    HWND m_hWnd;
};
