#include "platform/user/dialog/DialogNavigator.h"

#include <algorithm>

#include "platform/user/User.h"

namespace keldra::platform::user {

namespace {

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

// The item after (or before) from in items, wrapping around; the first (or last) when from
// is not among them.
HWND Step(const std::vector<HWND>& items, HWND from, bool backwards) {
    if (items.empty()) return nullptr;
    const auto at = std::ranges::find(items, from);
    if (at == items.end()) return backwards ? items.back() : items.front();
    const std::size_t index = static_cast<std::size_t>(at - items.begin());
    const std::size_t count = items.size();
    return items[backwards ? (index + count - 1) % count : (index + 1) % count];
}

}  // namespace

// The window's own flags count, not its parents': a dialog sets its focus before it shows.
bool DialogNavigator::CanTakeFocus(HWND window) {
    const DWORD style = StyleOf(window);
    return (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0;
}

void DialogNavigator::CollectTabStops(HWND container, std::vector<HWND>& ring) {
    for (HWND child = GetWindow(container, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!CanTakeFocus(child)) continue;
        if (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            CollectTabStops(child, ring);
        } else if (StyleOf(child) & WS_TABSTOP) {
            ring.push_back(child);
        }
    }
}

HWND DialogNavigator::NextTabItem(HWND dialog, HWND from, bool backwards) {
    std::vector<HWND> ring;
    CollectTabStops(dialog, ring);
    return Step(ring, from, backwards);
}

std::vector<HWND> DialogNavigator::GroupOf(HWND control) {
    const HWND parent = GetParent(control);
    std::vector<HWND> siblings;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        siblings.push_back(child);
    }
    auto start = std::ranges::find(siblings, control);
    while (start != siblings.begin() && !(StyleOf(*start) & WS_GROUP)) --start;
    auto end = start + 1;
    while (end != siblings.end() && !(StyleOf(*end) & WS_GROUP)) ++end;
    std::vector<HWND> group;
    for (auto it = start; it != end; ++it) {
        if (*it == control || CanTakeFocus(*it)) group.push_back(*it);
    }
    return group;
}

HWND DialogNavigator::NextGroupItem(HWND dialog, HWND from, bool backwards) {
    if (from == nullptr || !IsChild(dialog, from)) return NextTabItem(dialog, nullptr, backwards);
    return Step(GroupOf(from), from, backwards);
}

}  // namespace keldra::platform::user
