#include "framework/CWnd.h"

#include <vector>

#include "framework/AfxModuleState.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CScrollBar.h"

IMPLEMENT_DYNAMIC(CWnd, CObject)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_HSCROLL()
END_MESSAGE_MAP()

namespace {

AfxWindowMap& Map() {
    return AfxGetModuleState().windows;
}

}  // namespace

CWnd::~CWnd() {
    // A window outliving its object would call into freed memory: take it down first.
    if (m_hWnd != nullptr && Map().Permanent(m_hWnd) == this) DestroyWindow();
    if (m_hWnd != nullptr && Map().Permanent(m_hWnd) == this) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    return window != nullptr ? Map().Permanent(window) : nullptr;
}

CWnd* CWnd::FromHandle(HWND window) {
    if (window == nullptr) return nullptr;
    if (CWnd* permanent = Map().Permanent(window)) return permanent;
    return Map().Temporary(window);
}

BOOL CWnd::Attach(HWND window) {
    if (window == nullptr || m_hWnd != nullptr || Map().Permanent(window) != nullptr) return FALSE;
    if (!::IsWindow(window)) return FALSE;
    m_hWnd = window;
    Map().Add(window, this);
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND window = m_hWnd;
    if (window != nullptr && Map().Permanent(window) == this) Map().Remove(window);
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window) {
    if (!Attach(window)) return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (parent == nullptr) return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr) return nullptr;
    if (m_pfnSuper != nullptr) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd != nullptr ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = Map().Permanent(window);
    if (object == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
    Map().EnterMessage({window, message, wParam, lParam, 0, {0, 0}});
    const LRESULT result = object->Dispatch(message, wParam, lParam);
    Map().LeaveMessage();
    return result;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NCDESTROY) return WindowProc(message, wParam, lParam);
    LRESULT result = WindowProc(message, wParam, lParam);
    FinishDestruction(message, wParam, lParam, result);
    return result;
}

// The window is gone: the object lets go of it, then may delete itself in PostNcDestroy.
void CWnd::FinishDestruction(UINT, WPARAM, LPARAM, LRESULT&) {
    const HWND window = m_hWnd;
    if (m_pfnSuper != nullptr && ::IsWindow(window)) {
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

const MSG* CWnd::GetCurrentMessage() {
    return Map().CurrentMessage();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG* current = GetCurrentMessage();
    if (current == nullptr) return 0;
    return DefWindowProc(current->message, current->wParam, current->lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *result = 1;
        return TRUE;
    }
    const bool colour = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
    const AFX_MSGMAP_ENTRY* entry = FindEntry(colour ? WM_CTLCOLOR : message, 0, 0);
    if (entry == nullptr) return FALSE;
    *result = entry->pfn(this, message, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto control = reinterpret_cast<HWND>(lParam);
    LRESULT ignored = 0;
    if (control != nullptr && ReflectChildNotify(control, WM_COMMAND, wParam, lParam, &ignored)) {
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, HIWORD(wParam), LOWORD(wParam));
    if (entry == nullptr) return FALSE;
    entry->pfn(this, WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

BOOL CWnd::ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT* result) {
    CWnd* object = FromHandlePermanent(child);
    return object != nullptr && object->OnChildNotify(message, wParam, lParam, result);
}

// Default handlers.

void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseHover(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseLeave() {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}

// The child is asked first; the window's default processing answers otherwise.
HBRUSH CWnd::OnCtlColor(CDC*, CWnd* child, UINT) {
    const MSG* current = GetCurrentMessage();
    LRESULT result = 0;
    if (child != nullptr && current != nullptr &&
        ReflectChildNotify(child->m_hWnd, current->message, current->wParam, current->lParam,
                           &result)) {
        return reinterpret_cast<HBRUSH>(result);
    }
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item) {
    LRESULT result = 0;
    if (item != nullptr &&
        ReflectChildNotify(item->hwndItem, WM_DRAWITEM, static_cast<WPARAM>(item->CtlID),
                           reinterpret_cast<LPARAM>(item), &result)) {
        return;
    }
    Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* scrollBar) {
    const MSG* current = GetCurrentMessage();
    LRESULT result = 0;
    if (scrollBar != nullptr && current != nullptr &&
        ReflectChildNotify(scrollBar->m_hWnd, current->message, current->wParam, current->lParam,
                           &result)) {
        return;
    }
    Default();
}

// Text, geometry and the rest: thin calls on the window.

void CWnd::SetWindowText(LPCTSTR text) {
    ::SetWindowTextW(m_hWnd, text);
}
int CWnd::GetWindowText(LPTSTR buffer, int size) const {
    return ::GetWindowTextW(m_hWnd, buffer, size);
}
void CWnd::GetWindowText(std::wstring& text) const {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLength()) + 1);
    const int length = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    text.assign(buffer.data(), static_cast<std::size_t>(length));
}
int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLengthW(m_hWnd);
}
void CWnd::GetWindowRect(LPRECT rect) const {
    ::GetWindowRect(m_hWnd, rect);
}
void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}
void CWnd::ClientToScreen(LPPOINT point) const {
    ::ClientToScreen(m_hWnd, point);
}
void CWnd::ScreenToClient(LPPOINT point) const {
    ::ScreenToClient(m_hWnd, point);
}
void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}
BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter != nullptr ? insertAfter->m_hWnd : nullptr, x, y, cx,
                          cy, flags);
}
BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}
BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
int CWnd::SetWindowRgn(HRGN region, BOOL redraw) {
    return ::SetWindowRgn(m_hWnd, region, redraw);
}
void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
    ::InvalidateRect(m_hWnd, rect, erase);
}
void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}
HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? 1 : 0, reinterpret_cast<LPARAM>(icon)));
}
CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}
CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}
int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}
LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}
CWnd* CWnd::SetCapture() {
    return FromHandle(::SetCapture(m_hWnd));
}
CWnd* CWnd::GetCapture() {
    return FromHandle(::GetCapture());
}
CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}
CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback) {
    return ::SetTimer(m_hWnd, id, elapse, callback);
}
BOOL CWnd::KillTimer(UINT_PTR id) {
    return ::KillTimer(m_hWnd, id);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

// Helpers for the message-table handlers.
namespace afx {

CDC* AttachDc(WPARAM dc) {
    auto* wrapper = new CDC;
    wrapper->Attach(reinterpret_cast<HDC>(dc));
    return wrapper;
}

void DetachDc(CDC* dc) {
    dc->Detach();
    delete dc;
}

CWnd* WindowFrom(LPARAM handle) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(handle));
}

CScrollBar* ScrollBarFrom(LPARAM handle) {
    if (handle == 0) return nullptr;
    auto* bar = new CScrollBar;
    bar->m_hWnd = reinterpret_cast<HWND>(handle);
    return bar;
}

void ReleaseScrollBar(CScrollBar* bar) {
    if (bar != nullptr) bar->m_hWnd = nullptr;
    delete bar;
}

}  // namespace afx
