// A start from the menu that asks through the desktop portal, here a stand-in portal on a
// private session bus, and falls back to the next chooser when the portal cannot answer.
#include <unistd.h>

#include <cctype>
#include <memory>
#include <string_view>

#include "launch/AnnouncingProgram.h"
#include "launch/MenuStartTest.h"
#include "launch/PrivateSessionBus.h"

namespace keldra::launch::testing {

namespace {

using keldra::testing::ReadBytes;

// A file URI as a portal writes it: every byte but letters, digits, '/' and "-._~" escaped.
std::string FileUriOf(const std::filesystem::path& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : path.native()) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || std::string_view("/-._~").find(c) != std::string::npos) {
            uri.push_back(c);
        } else {
            uri += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return uri;
}

class PortalTest : public MenuStartTest {
  protected:
    PortalTest() { environment_.Set("DBUS_SESSION_BUS_ADDRESS", bus_.Address()); }

    // The stand-in portal, answering every question as `behaviour` says.
    std::unique_ptr<AnnouncingProgram> StartPortal(const std::vector<std::string>& behaviour) {
        std::vector<std::string> command{KELDRA_STAND_IN_PORTAL};
        command.insert(command.end(), behaviour.begin(), behaviour.end());
        return std::make_unique<AnnouncingProgram>(command);
    }

    PrivateSessionBus bus_;
};

TEST_F(PortalTest, ThePortalIsAskedFirstAndItsChoiceIsRemembered) {
    ASSERT_FALSE(bus_.Address().empty()) << "dbus-daemon started";
    const auto game = MakeGameFolder("K\xc3\xa4ldra 100% \xff#?");
    const auto portal = StartPortal({"choose", FileUriOf(game)});
    ASSERT_EQ(portal->Announcement(), "ready");
    InstallChooser("zenity", 0, MakeGameFolder("Other").string() + "\n");
    const FileTree before = EverythingWritable();

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    EXPECT_FALSE(WasAsked("zenity"));
    EXPECT_EQ(ReadBytes(RememberedFile()), game.string());
    EXPECT_EQ(ChangedSince(before), (std::set{RememberedFile().parent_path(), RememberedFile()}));
}

TEST_F(PortalTest, CancellingThePortalEndsWithNothingCreatedAndNothingElseAsked) {
    const auto portal = StartPortal({"cancel"});
    ASSERT_EQ(portal->Announcement(), "ready");
    InstallChooser("zenity", 0, MakeGameFolder("Other").string() + "\n");
    const FileTree before = EverythingWritable();

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), std::nullopt);
    EXPECT_FALSE(WasAsked("zenity"));
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_TRUE(ChangedSince(before).empty());
}

// Portals that cannot answer: failing, leaving mid-question, or none on the bus at all.
class PortalGivesWayTest : public PortalTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(PortalGivesWayTest, ZenityIsAskedInstead) {
    std::unique_ptr<AnnouncingProgram> portal;
    if (GetParam() != "none") {
        portal = StartPortal({GetParam()});
        ASSERT_EQ(portal->Announcement(), "ready");
    }
    const auto game = MakeGameFolder("Keldra");
    InstallChooser("zenity", 0, game.string() + "\n");

    alarm(60);  // a start that waits for a portal that is gone would wait for ever
    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    alarm(0);
    EXPECT_TRUE(WasAsked("zenity"));
    if (GetParam() == "vanish") {
        EXPECT_TRUE(portal->WaitForExit()) << "the portal was asked";
    }
}

INSTANTIATE_TEST_SUITE_P(Portals, PortalGivesWayTest, ::testing::Values("other", "vanish", "none"));

}  // namespace

}  // namespace keldra::launch::testing
