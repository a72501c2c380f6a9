// The current directory through GetCurrentDirectoryW: asked for its size, then read whole,
// whatever the folder's name; and no path at all when no path leads back to the folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "support/ChildProcess.h"
#include "support/ParamName.h"
#include "support/TempFolder.h"

namespace {

using keldra::testing::TempFolder;

// Works in a folder for the length of a test, and goes back to where it was.
class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(previous_); }

  private:
    std::filesystem::path previous_;
};

std::wstring WideAscii(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

struct FolderCase {
    const char* name;
    std::string folder;  // the folder's name, as bytes
    std::wstring wide;   // as GetCurrentDirectoryW spells it
};

class CurrentDirectoryNameTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(CurrentDirectoryNameTest, ASmallBufferGetsTheSizeAndThenTheWholePath) {
    const FolderCase& c = GetParam();
    TempFolder temp;
    std::filesystem::create_directory(temp / "game");
    std::filesystem::create_directories(temp / "game" / "x");  // what a misread '\' would reach
    const std::filesystem::path folder = temp.Path() / c.folder;
    std::filesystem::create_directory(folder);
    const std::wstring expected = WideAscii(temp.Path().string()) + L"/" + c.wide;
    InFolder in(folder);

    wchar_t small[8];
    std::wmemset(small, L'#', 8);
    EXPECT_EQ(GetCurrentDirectoryW(8, small), expected.size() + 1) << "the size needed";
    EXPECT_EQ(small[0], L'#') << "nothing copied into a buffer that is too small";
    EXPECT_EQ(GetCurrentDirectoryW(0, nullptr), expected.size() + 1);

    std::wstring buffer(expected.size() + 1, L'#');
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    ASSERT_EQ(length, expected.size());
    EXPECT_EQ(buffer.c_str(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CurrentDirectoryNameTest,
    ::testing::Values(FolderCase{"Latin1", "caf\xE9", L"caf\xDCE9"},
                      FolderCase{"Backslash", "game\\x", L"game\xF05Cx"},
                      FolderCase{"PrivateUseCharacter", "\xEF\x81\x9C", L"\xDCEF\xDC81\xDC9C"},
                      FolderCase{"Utf8", "\xED\x82\xA4\xEB\xA5\xB4\xEB\x8B\xA4",
                                 L"\uD0A4\uB974\uB2E4"},
                      FolderCase{"LongName", std::string(250, 'n'), std::wstring(250, L'n')}),
    keldra::testing::ParamName<FolderCase>);

TEST(CurrentDirectory, APathOf300CharactersIsReadWhole) {
    TempFolder temp;
    std::filesystem::path folder = temp.Path();
    while (folder.string().size() < 300) folder /= std::string(40, 'd');
    std::filesystem::create_directories(folder);
    InFolder in(folder);
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    ASSERT_EQ(needed, folder.string().size() + 1);
    std::wstring buffer(needed, L'\0');
    ASSERT_EQ(GetCurrentDirectoryW(needed, buffer.data()), needed - 1);
    EXPECT_EQ(buffer.c_str(), WideAscii(folder.string()));
}

TEST(CurrentDirectory, ARemovedFolderHasNoPath) {
    TempFolder temp;
    std::filesystem::create_directory(temp / "gone");
    InFolder in(temp / "gone");
    std::filesystem::remove(temp / "gone");
    wchar_t buffer[4096];
    EXPECT_EQ(GetCurrentDirectoryW(0, nullptr), 0u);
    EXPECT_EQ(GetCurrentDirectoryW(4096, buffer), 0u);
}

// The kernel still names the folder, but its path cannot be followed by its user.
TEST(CurrentDirectory, AFolderBelowOneThatMayNotBeSearchedHasNoPath) {
    TempFolder temp;
    std::filesystem::create_directories(temp / "locked" / "game");
    std::filesystem::permissions(temp.Path(), std::filesystem::perms::all);
    std::filesystem::permissions(temp / "locked" / "game", std::filesystem::perms::all);
    std::filesystem::permissions(temp / "locked", std::filesystem::perms::owner_all);
    const std::filesystem::path game = temp / "locked" / "game";
    const int status = keldra::testing::RunInChild([&] {
        if (chdir(game.c_str()) != 0 || !keldra::testing::DropRootPrivileges()) return 10;
        if (access(".", W_OK) != 0) return 11;  // the folder itself is open to the user
        wchar_t buffer[4096];
        return GetCurrentDirectoryW(0, nullptr) == 0 && GetCurrentDirectoryW(4096, buffer) == 0 ? 0
                                                                                                : 1;
    });
    EXPECT_EQ(status, 0);
}

// Folders nested, by relative steps, deeper than a path the system takes; removed the same
// way, since no whole path reaches them.
class DeepFolders {
  public:
    DeepFolders(const std::filesystem::path& base, std::size_t length) : base_(base) {
        InFolder in(base);
        for (std::size_t total = base.string().size(); total <= length; total += kName.size() + 1) {
            if (mkdir(kName.c_str(), 0755) != 0 || chdir(kName.c_str()) != 0) break;
            ++depth_;
        }
    }
    ~DeepFolders() {
        if (!Enter()) return;
        for (int i = 0; i < depth_; ++i) {
            if (chdir("..") != 0 || rmdir(kName.c_str()) != 0) return;
        }
    }
    bool Enter() const {
        if (chdir(base_.c_str()) != 0) return false;
        for (int i = 0; i < depth_; ++i) {
            if (chdir(kName.c_str()) != 0) return false;
        }
        return true;
    }
    int Depth() const { return depth_; }

  private:
    inline static const std::string kName = std::string(200, 'd');
    std::filesystem::path base_;
    int depth_ = 0;
};

TEST(CurrentDirectory, APathTooLongForTheSystemHasNoPath) {
    TempFolder temp;
    const InFolder stay(std::filesystem::current_path());  // comes back here at the end
    const DeepFolders deep(temp.Path(), PATH_MAX + 100);
    ASSERT_GT(deep.Depth(), PATH_MAX / 201);
    ASSERT_TRUE(deep.Enter());
    wchar_t buffer[64];
    EXPECT_EQ(GetCurrentDirectoryW(0, nullptr), 0u);
    EXPECT_EQ(GetCurrentDirectoryW(64, buffer), 0u);
}

}  // namespace
