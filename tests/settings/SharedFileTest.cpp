// A settings file shared with others: several names for one file, other writers of this
// program at the same time, and what a save killed midway leaves behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "settings/SaveTempFiles.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransaction.h"
#include "settings/UniqueFd.h"
#include "support/ChildProcess.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using keldra::testing::ReadBytes;
using keldra::testing::RunInChild;
using keldra::testing::StatOf;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

class SharedFileTest : public ::testing::Test {
  protected:
    std::filesystem::path File() const { return folder_ / "CONFIG.INI"; }
    std::wstring Path() const { return folder_.WindowsPath("CONFIG.INI"); }

    TempFolder folder_;
};

// A replace would leave the other names with the old content.
TEST_F(SharedFileTest, AFileWithSeveralNamesIsWrittenInPlaceUnderAllOfThem) {
    WriteBytes(File(), "[V]\r\nK=1\r\n");
    std::filesystem::create_hard_link(File(), folder_ / "BACKUP.INI");
    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"a longer value", Path()));
    EXPECT_EQ(ReadBytes(File()), "[V]\r\nK=a longer value\r\n");
    EXPECT_EQ(ReadBytes(folder_ / "BACKUP.INI"), "[V]\r\nK=a longer value\r\n");
    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"2", Path()));  // shorter: cut to its size
    EXPECT_EQ(ReadBytes(folder_ / "BACKUP.INI"), "[V]\r\nK=2\r\n");
    EXPECT_EQ(StatOf(File()).st_nlink, 2u);
}

TEST_F(SharedFileTest, AnInPlaceWriteThatFailsMidwayPutsTheOldBytesBack) {
    const std::string before = "[V]\r\nK=1\r\n" + std::string(3000, ';') + "\r\n";
    WriteBytes(File(), before);
    std::filesystem::create_hard_link(File(), folder_ / "BACKUP.INI");
    const int status = RunInChild([&] {
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG, as a full disk
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
        const SaveResult result = SettingsFile::Write(L"V", L"K", std::wstring(8000, L'x'), Path());
        return result ? 11 : (result.Code() == EFBIG ? 0 : 12);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(File()), before);
    EXPECT_EQ(ReadBytes(folder_ / "BACKUP.INI"), before);
}

// A full disk is refused before the first byte changes: space is reserved first.
TEST_F(SharedFileTest, AnInPlaceWriteOnAFullDiskChangesNothing) {
    TempFolder mountPoint;
    if (geteuid() != 0 || RunInChild([&] {
                              return execlp("mount", "mount", "-t", "tmpfs", "-o", "size=64k",
                                            "tmpfs", mountPoint.Path().c_str(), nullptr) == 0
                                         ? 0
                                         : 1;
                          }) != 0) {
        GTEST_SKIP() << "cannot mount a small file system here";
    }
    const auto file = mountPoint / "CONFIG.INI";
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(file, before);
    std::filesystem::create_hard_link(file, mountPoint / "BACKUP.INI");
    const SaveResult result = SettingsFile::Write(L"V", L"K", std::wstring(200000, L'x'),
                                                  mountPoint.WindowsPath("CONFIG.INI"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Code(), ENOSPC);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(StatOf(file).st_size, static_cast<off_t>(before.size()));
    RunInChild([&] { return execlp("umount", "umount", mountPoint.Path().c_str(), nullptr); });
}

// Two of the program's writers at once, each changing its own keys: none is lost.
TEST_F(SharedFileTest, ConcurrentWritersLoseNoChange) {
    WriteBytes(File(), "[START]\r\nK=1\r\n");
    constexpr int kWrites = 150;
    auto writer = [&](const wchar_t* section) {
        return RunInChild([&] {
            for (int i = 0; i < kWrites; ++i) {
                if (!SettingsFile::Write(section, L"K" + std::to_wstring(i), L"v", Path()))
                    return 1;
            }
            return 0;
        });
    };
    const pid_t other = fork();
    if (other == 0) _exit(writer(L"ONE"));
    EXPECT_EQ(writer(L"TWO"), 0);
    int status = 0;
    ASSERT_EQ(waitpid(other, &status, 0), other);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    int lost = 0;
    for (const wchar_t* section : {L"ONE", L"TWO"}) {
        for (int i = 0; i < kWrites; ++i) {
            lost += SettingsFile::ReadText(section, L"K" + std::to_wstring(i), L"", Path()) != L"v";
        }
    }
    EXPECT_EQ(lost, 0);
}

class HeldLock {
  public:
    explicit HeldLock(const std::filesystem::path& file) : fd_(open(file.c_str(), O_RDONLY)) {
        EXPECT_EQ(flock(fd_.Get(), LOCK_EX), 0);
    }

  private:
    UniqueFd fd_;
};

TEST_F(SharedFileTest, AWriterThatKeepsTheLockMakesTheSaveFailAfterTheWait) {
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(File(), before);
    const HeldLock other(File());
    SettingsTransaction save(Path());
    save.SetLockWait(std::chrono::milliseconds(100));
    save.Write(L"V", L"K", L"2");
    const SaveResult result = save.Commit();
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Code(), EWOULDBLOCK);
    EXPECT_EQ(ReadBytes(File()), before);
    // Readers take no lock: the game and the editor's own reads go on.
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"", Path()), L"1");
}

TEST_F(SharedFileTest, ASaveWaitsForTheLockAndThenKeepsTheOtherWritersChange) {
    WriteBytes(File(), "[V]\r\nK=1\r\n");
    int locked[2];
    ASSERT_EQ(pipe(locked), 0);
    const pid_t other = fork();
    if (other == 0) {
        // Holds the lock for a while, then replaces the file as a save does, and lets go.
        const HeldLock lock(File());
        [[maybe_unused]] const ssize_t sent = write(locked[1], "L", 1);
        usleep(200000);
        WriteBytes(folder_ / "next", "[V]\r\nK=1\r\n[OTHER]\r\nX=1\r\n");
        std::filesystem::rename(folder_ / "next", File());
        _exit(0);
    }
    char signal = 0;
    ASSERT_EQ(read(locked[0], &signal, 1), 1);
    close(locked[0]);
    close(locked[1]);
    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"2", Path()));
    waitpid(other, nullptr, 0);
    EXPECT_EQ(ReadBytes(File()), "[V]\r\nK=2\r\n[OTHER]\r\nX=1\r\n");
}

TEST_F(SharedFileTest, ASaveRemovesWhatKilledSavesLeftBehindAndNothingElse) {
    WriteBytes(File(), "[V]\r\nK=1\r\n");
    const std::vector<std::string> leftovers = {".CONFIG.INI.keldra-save-a1B2c3",
                                                ".CONFIG.INI.keldra-save-ZZZZZZ"};
    const std::vector<std::string> kept = {
        ".CONFIG.INI.keldra-save-abc",  // not six characters
        ".CONFIG.INI.keldra-save-abc!12", ".CONFIG.INI.abcdef", "CONFIG.INI.keldra-save-abcdef",
        ".OTHER.INI.keldra-save-abcdef",  "notes.txt"};
    for (const auto& name : leftovers) WriteBytes(folder_ / name, "partial");
    for (const auto& name : kept) WriteBytes(folder_ / name, "mine");
    std::filesystem::create_directory(folder_ / ".CONFIG.INI.keldra-save-folder");

    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"2", Path()));
    for (const auto& name : leftovers)
        EXPECT_FALSE(std::filesystem::exists(folder_ / name)) << name;
    for (const auto& name : kept) EXPECT_EQ(ReadBytes(folder_ / name), "mine") << name;
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / ".CONFIG.INI.keldra-save-folder"));
}

TEST(SaveTempFiles, TheTemplateIsRecognisedAsALeftoverOnlyForItsOwnFile) {
    const std::string name = SaveTempFiles::Template("/game/CONFIG.INI").filename().string();
    std::string made = name;
    made.replace(made.size() - 6, 6, "q7Rt0z");  // as mkstemp fills it in
    EXPECT_TRUE(SaveTempFiles::IsLeftover(made, "CONFIG.INI"));
    EXPECT_FALSE(SaveTempFiles::IsLeftover(made, "T_CONFIG.INI"));
    EXPECT_FALSE(SaveTempFiles::IsLeftover("CONFIG.INI", "CONFIG.INI"));
}

}  // namespace
}  // namespace keldra::settings
