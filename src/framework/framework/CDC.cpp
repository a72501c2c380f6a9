#include "framework/CDC.h"

#include "framework/CBitmap.h"
#include "framework/CBrush.h"

CDC::~CDC() {
    for (auto& wrapper : borrowed_) wrapper->Detach();
    DeleteDC();
}

BOOL CDC::Attach(HDC dc) {
    if (dc == nullptr || m_hDC != nullptr) return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    const HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    return Attach(::CreateCompatibleDC(dc != nullptr ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr) return FALSE;
    return ::DeleteDC(Detach());
}

template <typename Wrapper>
Wrapper* CDC::Borrow(HGDIOBJ object) {
    if (object == nullptr) return nullptr;
    auto wrapper = std::make_unique<Wrapper>();
    wrapper->Attach(object);
    Wrapper* borrowed = wrapper.get();
    borrowed_.push_back(std::move(wrapper));
    return borrowed;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (bitmap == nullptr) return nullptr;
    return Borrow<CBitmap>(::SelectObject(m_hDC, bitmap->m_hObject));
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (brush == nullptr) return nullptr;
    return Borrow<CBrush>(::SelectObject(m_hDC, brush->m_hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    return ::SelectObject(m_hDC, object);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source != nullptr ? source->m_hDC : nullptr,
                    sourceX, sourceY, rop);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    if (brush != nullptr) ::FillRect(m_hDC, rect, *brush);
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    return ::SetTextColor(m_hDC, colour);
}

COLORREF CDC::SetBkColor(COLORREF colour) {
    return ::SetBkColor(m_hDC, colour);
}

int CDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format) {
    return ::DrawTextW(m_hDC, text, count, rect, format);
}

int CDC::DrawText(const std::wstring& text, LPRECT rect, UINT format) {
    return DrawText(text.c_str(), static_cast<int>(text.size()), rect, format);
}

int CDC::GetDeviceCaps(int index) const {
    return ::GetDeviceCaps(m_hDC, index);
}
