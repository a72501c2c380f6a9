// Drives the real editor's pages the way a player does: tabs, check boxes, slider drags,
// OK / Cancel / the default button, and reads back what reached CONFIG.INI.
#pragma once

#include <string>

#include "EditorTestSupport.h"

namespace keldra::pages::testing {

class PageTest : public app::testing::EditorTest {
  protected:
    enum class Tab { Graphic, Sound, Interface };

    void WriteConfig(std::string_view bytes);
    std::string ConfigBytes() const;
    // The value CONFIG.INI holds for the key now, or "<missing>".
    std::wstring Stored(const wchar_t* section, const wchar_t* key) const;

    // Queue a click on a tab or the default button, then the pointer leaving it.
    void ThenClickTab(Tab tab);
    void ThenClickDefault() { ThenClickButton(15 + 40, 610 + 15); }
    void ClickOk() { ClickAt(277 + 40, 610 + 15); }
    void ClickCancel() { ClickAt(360 + 40, 610 + 15); }
    // Clicks the middle of a page's control.
    void ClickControl(HWND page, int id);
    // Queues grabbing the slider's thumb, dragging it to a client x of the slider, letting go.
    void ThenDragSlider(HWND (::CConfigDlg::*page)() const, int id, int toX);

    void ThenClickButton(int x, int y);

    static int SliderPos(HWND page, int id);
    static void SetSliderPos(HWND page, int id, int position);
    static bool Checked(HWND page, int id);
    std::wstring CaptionOf(HWND page, int id) const { return TextOf(::GetDlgItem(page, id)); }
};

}  // namespace keldra::pages::testing
