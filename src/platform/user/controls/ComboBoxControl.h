// The "ComboBox" window class in its drop-down-list form (CBS_DROPDOWNLIST): a sunken field
// showing the selected item and an arrow button; a press opens the item list below it. The
// keyboard stays with the combo box whether the list is open or not.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/user/controls/ComboItems.h"
#include "platform/user/controls/ComboListOwner.h"

namespace keldra::platform::user::controls {

class ComboListWindow;

class ComboBoxControl : public ComboListOwner {
  public:
    static constexpr int kClosedHeight = 21;
    static constexpr int kButtonWidth = 17;

    ComboBoxControl(HWND window, const CREATESTRUCTW& create);

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    // ComboListOwner
    HWND Combo() const override { return window_; }
    const std::vector<std::wstring>& Items() const override { return items_.All(); }
    void ListAccepted(int index) override;
    void ListCancelled() override;

  private:
    LRESULT ListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT AddString(int at, LPCWSTR text);
    LRESULT DeleteString(WPARAM index);
    LRESULT SetCurSel(WPARAM index);
    LRESULT GetItemText(WPARAM index, LPWSTR buffer) const;
    LRESULT CopySelectionText(WPARAM size, LPWSTR buffer) const;
    LRESULT DialogCode(LPARAM message) const;

    void Create();
    void Destroy();
    void Open(bool byMousePress);
    void Close(bool accept);
    ComboListWindow* List() const;
    int FittingLines() const;
    void PlaceList(int lines) const;

    void MouseDown();
    void KeyDown(WPARAM key, bool alt);
    void Character(WPARAM character);
    int Page() const;
    void Select(int index);
    void FocusChanged(bool focused);
    void Notify(int code) const;
    void Paint(HDC dc) const;
    void PaintSelection(HDC dc, const RECT& area, bool enabled) const;

    HWND window_;
    int droppedHeight_;
    ComboItems items_;
    HWND list_ = nullptr;
    bool dropped_ = false;
    bool focused_ = false;
};

}  // namespace keldra::platform::user::controls
