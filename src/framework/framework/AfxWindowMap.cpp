#include "framework/AfxWindowMap.h"

#include "framework/CWnd.h"

CWnd* AfxWindowMap::Permanent(HWND window) const {
    const auto found = permanent_.find(window);
    return found != permanent_.end() ? found->second : nullptr;
}

void AfxWindowMap::Add(HWND window, CWnd* object) {
    permanent_[window] = object;
}

void AfxWindowMap::Remove(HWND window) {
    permanent_.erase(window);
}

CWnd* AfxWindowMap::Temporary(HWND window) {
    if (const auto found = temporaries_.find(window); found != temporaries_.end()) {
        if (::IsWindow(window)) return found->second.get();
    }
    DropTemporariesOfDestroyedWindows();
    auto wrapper = std::make_unique<CWnd>();
    wrapper->m_hWnd = window;
    CWnd* made = wrapper.get();
    temporaries_[window] = std::move(wrapper);
    return made;
}

void AfxWindowMap::EnterMessage(const MSG& message) {
    messages_.push_back(message);
}

void AfxWindowMap::LeaveMessage() {
    messages_.pop_back();
    if (messages_.empty()) DropTemporariesOfDestroyedWindows();
}

const MSG* AfxWindowMap::CurrentMessage() const {
    return messages_.empty() ? nullptr : &messages_.back();
}

void AfxWindowMap::DropTemporariesOfDestroyedWindows() {
    std::erase_if(temporaries_, [](auto& entry) {
        if (::IsWindow(entry.first)) return false;
        entry.second->m_hWnd = nullptr;  // wrappers only borrow their windows
        return true;
    });
}
