// A headless host and small control window classes of the tests' own for the framework
// tests: a check box that keeps its state, a label that asks its parent for colours when it
// paints, an owner-drawn button that asks its parent to draw it, and a slider that keeps
// what it is told. Layouts become dialog resources under test ids for the test's length.
#pragma once

#include <afxcmn.h>
#include <afxext.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/headless/HeadlessHost.h"
#include "platform/kernel/ScopedResource.h"
#include "platform/session/Session.h"
#include "platform/user/dialog/DialogTemplate.h"

namespace keldra::framework::testing {

using platform::user::DialogItemTemplate;
using platform::user::DialogTemplate;

inline constexpr const wchar_t* kCheckClass = L"KeldraTestCheck";
inline constexpr const wchar_t* kLabelClass = L"KeldraTestLabel";
inline constexpr const wchar_t* kOwnerDrawClass = L"KeldraTestOwnerDraw";
inline constexpr const wchar_t* kSliderClass = L"KeldraTestSlider";

class FrameworkTest : public ::testing::Test {
  protected:
    FrameworkTest();
    ~FrameworkTest() override;

    void RegisterLayout(WORD id, const DialogTemplate& layout);
    static DialogItemTemplate Control(const wchar_t* className, int id, short x, short y, short cx,
                                      short cy, DWORD style = WS_TABSTOP);
    void Then(std::function<void()> step) { host_.Then(std::move(step)); }
    void Type(UINT vk) {
        Then([this, vk] { host_.TypeKey(vk); });
    }

    // Before the host, so that it ends after it: what the test made goes with it.
    platform::Session session_;
    platform::host::HeadlessHost host_;

  private:
    std::vector<std::unique_ptr<platform::ScopedResource>> layouts_;
};

}  // namespace keldra::framework::testing
