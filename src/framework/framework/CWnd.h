// A framework window: a C++ object attached to a platform window. Messages reach the object
// through the framework's window procedure, which it installs by subclassing; the message
// tables pick the handler, and Default() hands a message to the window's previous procedure
// (its window class's default processing).
#pragma once

#include <string>

#include "framework/CCmdTarget.h"
#include "framework/CPoint.h"
#include "framework/CRect.h"

class CDC;
class CDataExchange;
class CScrollBar;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)

  public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to a window: the permanent one, or a temporary wrapper that lives
    // until the outermost message being handled is done.
    static CWnd* FromHandle(HWND window);
    static CWnd* FromHandlePermanent(HWND window);
    BOOL Attach(HWND window);
    HWND Detach();
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    virtual BOOL DestroyWindow();

    // Text
    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR buffer, int size) const;
    void GetWindowText(std::wstring& text) const;
    int GetWindowTextLength() const;

    // Geometry and visibility
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ScreenToClient(LPPOINT point) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    int SetWindowRgn(HRGN region, BOOL redraw);
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void UpdateWindow();
    HICON SetIcon(HICON icon, BOOL big);

    // Relatives
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;

    // Messages, input and timers
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback);
    BOOL KillTimer(UINT_PTR id);
    // The message being handled, as the framework's window procedure received it.
    static const MSG* GetCurrentMessage();

    // Data exchange: TRUE pulls control values into members, FALSE pushes them out.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    // Calls the window's default processing for the current message.
    LRESULT Default();

    // The window procedure the framework installs.
    static LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A message about this window that its parent passes back to it (owner drawing,
    // colours); TRUE when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Called after the window is gone and the object detached.
    virtual void PostNcDestroy() {}
    static BOOL ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT* result);

    // The default handlers: the window's default processing, after offering children
    // their own notifications where the framework does.
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* child, UINT kind);
    afx_msg void OnDestroy();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseHover(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnHScroll(UINT code, UINT position, CScrollBar* scrollBar);
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT item);

    WNDPROC m_pfnSuper = nullptr;  // the procedure before the framework's, for Default()

    DECLARE_MESSAGE_MAP()

  private:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void FinishDestruction(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};
