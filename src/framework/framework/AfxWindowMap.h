// Which framework object belongs to which window, the temporary wrappers made for windows
// without one, and the messages being handled (innermost last), for Default().
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "framework/AfxTypes.h"

class CWnd;

class AfxWindowMap {
  public:
    CWnd* Permanent(HWND window) const;
    void Add(HWND window, CWnd* object);
    void Remove(HWND window);
    // A wrapper for a window that has no object of its own: the same one each time it is
    // asked for, for as long as the window lives. Wrappers of windows that are gone are
    // dropped when the outermost message in progress is done, and before a new one is made.
    CWnd* Temporary(HWND window);
    std::size_t TemporaryCount() const { return temporaries_.size(); }

    void EnterMessage(const MSG& message);
    void LeaveMessage();
    const MSG* CurrentMessage() const;

  private:
    void DropTemporariesOfDestroyedWindows();

    std::unordered_map<HWND, CWnd*> permanent_;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporaries_;
    std::vector<MSG> messages_;
};
