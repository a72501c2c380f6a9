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
    static AfxWindowMap& Instance();

    CWnd* Permanent(HWND window) const;
    void Add(HWND window, CWnd* object);
    void Remove(HWND window);
    // A wrapper for a window that has no object of its own; freed when the outermost
    // message in progress (or the next one, outside any) is done.
    CWnd* Temporary(HWND window);

    void EnterMessage(const MSG& message);
    void LeaveMessage();
    const MSG* CurrentMessage() const;

  private:
    void FreeTemporaries();

    std::unordered_map<HWND, CWnd*> permanent_;
    std::vector<std::unique_ptr<CWnd>> temporaries_;
    std::vector<MSG> messages_;
};
