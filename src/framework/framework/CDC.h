// A device context object. Selecting an object returns a wrapper for the one it replaces;
// such wrappers only borrow their handles and live as long as the CDC.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/CGdiObject.h"

class CBitmap;
class CBrush;

class CDC : public CObject {
  public:
    CDC() = default;
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    CBitmap* SelectObject(CBitmap* bitmap);
    CBrush* SelectObject(CBrush* brush);
    HGDIOBJ SelectObject(HGDIOBJ object);

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                DWORD rop);
    void FillRect(LPCRECT rect, CBrush* brush);
    COLORREF SetTextColor(COLORREF colour);
    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const std::wstring& text, LPRECT rect, UINT format);
    int GetDeviceCaps(int index) const;

  private:
    template <typename Wrapper>
    Wrapper* Borrow(HGDIOBJ object);

    std::vector<std::unique_ptr<CGdiObject>> borrowed_;
};
