// The main of the test programs that use the platform: every test runs in a platform
// session of its own, made before its fixture and dropped after it, so whatever one test
// leaves (windows, classes, messages, objects, resources) is gone before the next starts.
#include <gtest/gtest.h>

#include <memory>

#include "platform/session/Session.h"

namespace {

class SessionPerTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        session_ = std::make_unique<keldra::platform::Session>();
    }
    void OnTestEnd(const ::testing::TestInfo&) override { session_.reset(); }

    std::unique_ptr<keldra::platform::Session> session_;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SessionPerTest);
    return RUN_ALL_TESTS();
}
