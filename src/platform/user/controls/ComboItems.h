// The items of a combo box and which one is selected, with the searches its keys need.
// Indexes are ints as the combo box messages carry them; -1 means none.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace keldra::platform::user::controls {

class ComboItems {
  public:
    const std::vector<std::wstring>& All() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    int Selection() const { return selection_; }
    const std::wstring& SelectedText() const;
    bool IsValid(WPARAM index) const { return index < items_.size(); }

    // Inserts before `at`, or appends for -1; returns the new index, or -1 for a bad place.
    int Insert(int at, std::wstring text);
    // Returns the number of items left, or -1 for a bad index.
    int Erase(WPARAM index);
    void Clear();
    // Selects a valid index; anything else clears the selection. Returns the selection.
    int Select(WPARAM index);

    // The next item after `from` whose first letter matches, round the end; -1 for none.
    int NextStartingWith(wchar_t letter, int from) const;
    // Where a navigation key leads from `from`, paging by `page`; -1 for other keys.
    int KeyTarget(WPARAM key, int from, int page) const;

  private:
    std::vector<std::wstring> items_;
    int selection_ = -1;
};

}  // namespace keldra::platform::user::controls
