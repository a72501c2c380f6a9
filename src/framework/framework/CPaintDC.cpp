#include "framework/CPaintDC.h"

#include "framework/CWnd.h"

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) {
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
