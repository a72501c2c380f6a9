// The developer's trace: what each channel writes, nesting, and nothing at all when off.
#include <cstdio>
#include <string>

#include "platform/kernel/Trace.h"
#include "platform/user/trace/MessageNames.h"
#include "platform/user/windows/UserState.h"
#include "user/UserTestSupport.h"

namespace keldra::platform::user::testing {
namespace {

// Sends the trace to a temporary file for the test's lifetime; off again afterwards.
class TraceTest : public UserTest {
  protected:
    ~TraceTest() override {
        Trace::Configure("", nullptr);
        if (file_ != nullptr) std::fclose(file_);
    }

    void Start(const char* channels) {
        file_ = std::tmpfile();
        ASSERT_NE(file_, nullptr);
        Trace::Configure(channels, file_);
    }

    std::string Written() const {
        std::fflush(file_);
        std::rewind(file_);
        std::string text;
        for (int c; (c = std::fgetc(file_)) != EOF;) text.push_back(static_cast<char>(c));
        return text;
    }

    std::FILE* file_ = nullptr;
};

TEST_F(TraceTest, ChannelNamesCombineAndUnknownOnesAreIgnored) {
    const unsigned msg = static_cast<unsigned>(TraceChannel::Message);
    const unsigned paint = static_cast<unsigned>(TraceChannel::Paint);
    EXPECT_EQ(Trace::ChannelsOf(""), 0u);
    EXPECT_EQ(Trace::ChannelsOf("msg"), msg);
    EXPECT_EQ(Trace::ChannelsOf("msg,paint"), msg | paint);
    EXPECT_EQ(Trace::ChannelsOf("paint,bogus,,msg"), msg | paint);
    EXPECT_EQ(Trace::ChannelsOf("MSG"), 0u);
    for (TraceChannel channel :
         {TraceChannel::Message, TraceChannel::Paint, TraceChannel::Host, TraceChannel::Create}) {
        EXPECT_NE(Trace::ChannelsOf("all") & static_cast<unsigned>(channel), 0u);
    }
}

TEST_F(TraceTest, SentMessagesShowWindowNameParametersAndResultNested) {
    const HWND top = MakeTopLevel(At(0, 0, 50, 50));
    const HWND child = MakeChild(top, 42, At(0, 0, 10, 10));
    BehaviourOf(child).handler = [top](HWND, UINT message, WPARAM, LPARAM) {
        if (message == WM_GETDLGCODE) {
            SendMessageW(top, WM_CANCELMODE, 0, 0);
            return std::optional<LRESULT>(7);
        }
        return std::optional<LRESULT>();
    };
    Start("msg");
    SendMessageW(child, WM_GETDLGCODE, 0x12, 0x34);

    const std::string text = Written();
    const std::size_t outer = text.find("#42 WM_GETDLGCODE wParam=0x12 lParam=0x34");
    const std::size_t inner = text.find("msg      send");
    const std::size_t nestedName = text.find("WM_CANCELMODE");
    const std::size_t result = text.find("= 7 (WM_GETDLGCODE)");
    ASSERT_NE(outer, std::string::npos) << text;
    ASSERT_NE(nestedName, std::string::npos) << text;
    ASSERT_NE(result, std::string::npos) << text;
    // The nested send is written indented, between the outer one and its result.
    EXPECT_LT(outer, inner);
    EXPECT_LT(inner, nestedName);
    EXPECT_LT(nestedName, result);
}

TEST_F(TraceTest, PostedAndDispatchedMessagesAreTold) {
    const HWND top = MakeTopLevel(At(0, 0, 50, 50));
    host_.Settle();
    Start("msg");
    PostMessageW(top, WM_USER + 5, 1, 2);
    host_.Settle();
    const std::string text = Written();
    EXPECT_NE(text.find("post "), std::string::npos) << text;
    EXPECT_NE(text.find("dispatch "), std::string::npos) << text;
    EXPECT_NE(text.find("msg 0x0405 wParam=0x1 lParam=0x2"), std::string::npos) << text;
}

TEST_F(TraceTest, PrivateMessagesAreNamedByTheClass) {
    EXPECT_STREQ(MessageName(WM_USER, L"msctls_trackbar32"), "TBM_GETPOS");
    EXPECT_STREQ(MessageName(WM_USER, L"#32770"), "DM_GETDEFID");
    EXPECT_STREQ(MessageName(WM_PAINT, L"Button"), "WM_PAINT");
    EXPECT_STREQ(MessageName(BM_SETCHECK, L"Button"), "BM_SETCHECK");
    EXPECT_EQ(MessageName(0x7FFF, L"Button"), nullptr);
}

TEST_F(TraceTest, PaintingIsToldOnThePaintChannelOnly) {
    const HWND top = MakeTopLevel(At(0, 0, 50, 50));
    host_.Settle();
    Start("paint");
    RECT area{1, 2, 11, 12};
    InvalidateRect(top, &area, TRUE);
    host_.Settle();
    const std::string text = Written();
    EXPECT_NE(text.find("invalidate+erase"), std::string::npos) << text;
    EXPECT_NE(text.find("(1,2)-(11,12)"), std::string::npos) << text;
    EXPECT_NE(text.find("begin paint"), std::string::npos) << text;
    EXPECT_NE(text.find("present"), std::string::npos) << text;
    EXPECT_EQ(text.find("send "), std::string::npos) << text;
}

TEST_F(TraceTest, HostCallsAndHostInputAreTold) {
    Start("host");
    // The tracing host is put in front when the host is set.
    CurrentWindows().SetHost(&host_);
    const HWND top = MakeTopLevel(At(10, 10, 50, 50));
    host_.Settle();
    host_.Click({20, 20});
    host_.Settle();
    const std::string text = Written();
    EXPECT_NE(text.find("-> show"), std::string::npos) << text;
    EXPECT_NE(text.find("<- left button down at (20,20)"), std::string::npos) << text;
    DestroyWindow(top);
}

TEST_F(TraceTest, WindowsAndDialogsThatCannotBeMadeSayWhy) {
    Start("create");
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_EQ(
        CreateWindowExW(0, kClass, L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(CreateDialogParamW(nullptr, MAKEINTRESOURCEW(31999), nullptr, nullptr, 0), nullptr);
    const std::string text = Written();
    EXPECT_NE(text.find("\"NoSuchClass\" not created: the class is not registered"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("a child without a parent"), std::string::npos) << text;
    EXPECT_NE(text.find("dialog #31999 not created: no dialog resource"), std::string::npos)
        << text;
}

TEST_F(TraceTest, NothingIsWrittenWhenOff) {
    Start("");
    const HWND top = MakeTopLevel(At(0, 0, 50, 50));
    SendMessageW(top, WM_NULL, 0, 0);
    InvalidateRect(top, nullptr, TRUE);
    host_.Settle();
    CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                    nullptr);
    EXPECT_EQ(Written(), "");
}

}  // namespace
}  // namespace keldra::platform::user::testing
