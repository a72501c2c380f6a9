// A dialog layout written out as the binary template a resource compiler makes, so that
// tests can hand their own layouts to the dialog functions and the dialog resource reader.
// The extended form is what resource scripts give today; the classic one is older.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "platform/user/dialog/DialogTemplate.h"

namespace keldra::testing {

class DialogTemplateBytes {
  public:
    enum class Form { kExtended, kClassic };

    // Each control gets creationBytes bytes of creation data, which no control here reads.
    explicit DialogTemplateBytes(const platform::user::DialogTemplate& layout,
                                 Form form = Form::kExtended, WORD creationBytes = 0);

    LPCDLGTEMPLATEW Get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(bytes_.data()); }
    // Lets a temporary stand where a call takes the template's address.
    operator LPCDLGTEMPLATEW() const { return Get(); }
    std::span<const BYTE> Bytes() const { return bytes_; }

  private:
    void Head(const platform::user::DialogTemplate& layout);
    void Font(const platform::user::DialogTemplate& layout);
    void Item(const platform::user::DialogItemTemplate& item);
    void Word(WORD value);
    void Dword(DWORD value);
    void String(const std::wstring& text);
    // Standard control classes go by number, as resource compilers often write them.
    void ClassName(const std::wstring& name);
    void CreationData();
    void AlignToDword();

    Form form_;
    WORD creationBytes_;
    std::vector<BYTE> bytes_;
};

}  // namespace keldra::testing
