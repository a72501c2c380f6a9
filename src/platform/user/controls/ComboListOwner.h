// What the dropped list of a combo box needs from the combo box: the items, and someone to
// tell when the user picks one or leaves the list.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace keldra::platform::user::controls {

class ComboListOwner {
  public:
    virtual ~ComboListOwner() = default;

    virtual HWND Combo() const = 0;
    virtual const std::vector<std::wstring>& Items() const = 0;
    virtual void ListAccepted(int index) = 0;
    virtual void ListCancelled() = 0;
};

}  // namespace keldra::platform::user::controls
