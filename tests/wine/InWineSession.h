// A test fixture that runs only inside the Wine tests' session: elsewhere its tests skip, and
// inside one a missing Windows build fails them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "wine/DesktopEditor.h"

namespace keldra::testing {

template <class Fixture>
class InWineSession : public Fixture {
  protected:
    void SetUp() override {
        if (!WineSession::Active())
            GTEST_SKIP()
                << "runs inside tests/windows/wine-session.sh (tests/windows/run-wine-tests.sh)";
        ASSERT_TRUE(std::filesystem::exists(WineSession::WindowsEditor()))
            << WineSession::WindowsEditor() << " is missing: set KELDRA_WINDOWS_BUILD";
    }
};

}  // namespace keldra::testing
