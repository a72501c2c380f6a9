// Saving many writes in one step, and every way a save can fail without harm.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "settings/DefaultSettingsFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransaction.h"
#include "support/ChildProcess.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using keldra::testing::DropRootPrivileges;
using keldra::testing::ReadBytes;
using keldra::testing::RunInChild;
using keldra::testing::StatOf;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

class TransactionTest : public ::testing::Test {
  protected:
    std::filesystem::path File() const { return folder_ / "CONFIG.INI"; }
    std::wstring Path() const { return folder_.WindowsPath("CONFIG.INI"); }

    // Nothing but the listed names is left in the folder: no temporary file survives.
    void ExpectFolderHoldsOnly(std::initializer_list<std::string> names) const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        std::vector<std::string> expected(names);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(found, expected);
    }

    TempFolder folder_;
};

TEST_F(TransactionTest, AppliesAllWritesInOneReplacement) {
    WriteBytes(File(), DefaultSettingsFile::Bytes());
    const ino_t before = StatOf(File()).st_ino;
    SettingsTransaction save(Path());
    save.Write(L"VIDEO", L"FULLSCREEN", L"FALSE");
    save.Write(L"VIDEO", L"REJECT_FIGHT", L"TRUE");
    save.Write(L"USER", L"SHADOW", L"FALSE");
    save.Write(L"SOUND", L"VOL_BGM", L"3");
    ASSERT_TRUE(save.Commit());

    EXPECT_NE(StatOf(File()).st_ino, before) << "the file was rewritten in place";
    EXPECT_EQ(SettingsFile::ReadText(L"VIDEO", L"FULLSCREEN", L"", Path()), L"FALSE");
    EXPECT_EQ(SettingsFile::ReadText(L"VIDEO", L"REJECT_FIGHT", L"", Path()), L"TRUE");
    EXPECT_EQ(SettingsFile::ReadText(L"USER", L"SHADOW", L"", Path()), L"FALSE");
    EXPECT_EQ(SettingsFile::ReadText(L"VIDEO", L"SHADOW", L"", Path()), L"TRUE")
        << "same name, other section";
    EXPECT_EQ(SettingsFile::ReadInt(L"SOUND", L"VOL_BGM", 0, Path()), 3);
    EXPECT_EQ(ReadBytes(File()).size(), DefaultSettingsFile::Bytes().size() + 1 + 19 + 14);
    ExpectFolderHoldsOnly({"CONFIG.INI"});
}

TEST_F(TransactionTest, KeepsWhatAnotherProgramChangedBeforeTheCommit) {
    WriteBytes(File(), "[VIDEO]\r\nSIZE_X=800\r\n");
    SettingsTransaction save(Path());
    save.Write(L"VIDEO", L"SIZE_X", L"1024");
    WriteBytes(File(),
               "[VIDEO]\r\nSIZE_X=800\r\n[LOGIN]\r\nID=player\r\n");  // the game wrote meanwhile
    ASSERT_TRUE(save.Commit());
    EXPECT_EQ(ReadBytes(File()), "[VIDEO]\r\nSIZE_X=1024\r\n[LOGIN]\r\nID=player\r\n");
}

TEST_F(TransactionTest, WritesOfUnchangedValuesLeaveTheFileAlone) {
    WriteBytes(File(), "[V]\r\nA = 1 \r\nB=TRUE\r\n");
    const struct stat before = StatOf(File());
    SettingsTransaction save(Path());
    save.Write(L"V", L"A", L"1");
    save.Write(L"v", L"b", L" TRUE");
    ASSERT_TRUE(save.Commit());
    const struct stat after = StatOf(File());
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(ReadBytes(File()), "[V]\r\nA = 1 \r\nB=TRUE\r\n");
}

TEST_F(TransactionTest, KeepsPermissionsAndGivesNewFilesTheUsualOnes) {
    WriteBytes(File(), "[V]\r\n");
    chmod(File().c_str(), 0640);
    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"1", Path()));
    EXPECT_EQ(StatOf(File()).st_mode & 07777, 0640u);

    const mode_t old = umask(022);
    const auto created = folder_ / "NEW.INI";
    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"1", folder_.WindowsPath("NEW.INI")));
    umask(old);
    EXPECT_EQ(StatOf(created).st_mode & 07777, 0644u);
}

TEST_F(TransactionTest, FollowsASymbolicLinkToItsTarget) {
    std::filesystem::create_directory(folder_ / "real");
    WriteBytes(folder_ / "real" / "settings.ini", "[V]\r\nK=1\r\n");
    std::filesystem::create_symlink("real/settings.ini", File());
    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"2", Path()));
    EXPECT_TRUE(std::filesystem::is_symlink(File()));
    EXPECT_EQ(ReadBytes(folder_ / "real" / "settings.ini"), "[V]\r\nK=2\r\n");
}

TEST_F(TransactionTest, ABrokenLinkGetsItsTargetCreated) {
    std::filesystem::create_symlink("target.ini", File());
    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"2", Path()));
    EXPECT_TRUE(std::filesystem::is_symlink(File()));
    EXPECT_EQ(ReadBytes(folder_ / "target.ini"), "[V]\r\nK=2\r\n");
}

TEST_F(TransactionTest, ReadOnlyFileIsNeitherChangedNorReplaced) {
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(File(), before);
    chmod(File().c_str(), 0444);  // root could still write it: the missing bits alone decide
    const ino_t inode = StatOf(File()).st_ino;
    const SaveResult result = SettingsFile::Write(L"V", L"K", L"2", Path());
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Code(), EACCES);
    EXPECT_EQ(result.Path(), Path());
    EXPECT_EQ(ReadBytes(File()), before);
    EXPECT_EQ(StatOf(File()).st_ino, inode);
    EXPECT_EQ(StatOf(File()).st_mode & 07777, 0444u);
    ExpectFolderHoldsOnly({"CONFIG.INI"});
}

TEST_F(TransactionTest, FailsCleanlyWhereNoFileCanBe) {
    std::filesystem::create_directory(File());
    const SaveResult intoFolder = SettingsFile::Write(L"V", L"K", L"1", Path());
    EXPECT_FALSE(intoFolder);
    EXPECT_EQ(intoFolder.Code(), EISDIR);
    EXPECT_TRUE(std::filesystem::is_empty(File()));

    const SaveResult missingFolder =
        SettingsFile::Write(L"V", L"K", L"1", folder_.WindowsPath("no\\CONFIG.INI"));
    EXPECT_FALSE(missingFolder);
    EXPECT_EQ(missingFolder.Code(), ENOENT);
    EXPECT_FALSE(missingFolder.Reason().empty());
    ExpectFolderHoldsOnly({"CONFIG.INI"});
}

// A game installed by root with a settings file every player may write: no temporary file
// can be made beside it, so the file is written where it stands.
TEST_F(TransactionTest, AWritableFileInAFolderThatIsNotWritableIsWrittenInPlace) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to own a folder the test user cannot write";
    WriteBytes(File(), "[V]\r\nK=1\r\n; kept\r\n");
    chmod(File().c_str(), 0666);
    chmod(folder_.Path().c_str(), 0755);
    const ino_t inode = StatOf(File()).st_ino;
    const int status = RunInChild([&] {
        if (!DropRootPrivileges()) return 10;
        return SettingsFile::Write(L"V", L"K", L"22", Path()) ? 0 : 11;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(File()), "[V]\r\nK=22\r\n; kept\r\n");
    EXPECT_EQ(StatOf(File()).st_ino, inode);
    EXPECT_EQ(StatOf(File()).st_mode & 07777, 0666u);
    ExpectFolderHoldsOnly({"CONFIG.INI"});
}

TEST_F(TransactionTest, AReadOnlyFileInAFolderThatIsNotWritableLeavesTheFileAsItWas) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to own files the test user cannot write";
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(File(), before);
    chmod(File().c_str(), 0644);
    chmod(folder_.Path().c_str(), 0755);
    const int status = RunInChild([&] {
        if (!DropRootPrivileges()) return 10;
        const SaveResult result = SettingsFile::Write(L"V", L"K", L"2", Path());
        return result ? 11 : (result.Code() == EACCES ? 0 : 12);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(File()), before);
    ExpectFolderHoldsOnly({"CONFIG.INI"});
}

TEST_F(TransactionTest, AnotherUsersFileIsNotReplacedThroughTheFolder) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to own a file that the test user cannot write";
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(File(), before);
    chmod(File().c_str(), 0644);
    chmod(folder_.Path().c_str(), 0777);  // the folder would allow a rename
    const int status = RunInChild([&] {
        if (!DropRootPrivileges()) return 10;
        return SettingsFile::Write(L"V", L"K", L"2", Path()) ? 11 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(File()), before);
    ExpectFolderHoldsOnly({"CONFIG.INI"});
}

TEST_F(TransactionTest, AFileThatCannotBeReadIsNeverReplaced) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give the file away";
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(File(), before);
    chmod(File().c_str(), 0622);  // others may write but not read
    chmod(folder_.Path().c_str(), 0777);
    const int status = RunInChild([&] {
        if (!DropRootPrivileges()) return 10;
        return SettingsFile::Write(L"V", L"K", L"2", Path()) ? 11 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(File()), before);
}

TEST_F(TransactionTest, ADiskFullDuringTheSaveLeavesTheOldFile) {
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(File(), before);
    const int status = RunInChild([&] {
        signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG, as a full disk fails it
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
        const SaveResult result = SettingsFile::Write(L"V", L"K", std::wstring(8000, L'x'), Path());
        return result ? 11 : (result.Code() == EFBIG ? 0 : 12);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(File()), before);
    ExpectFolderHoldsOnly({"CONFIG.INI"});
}

TEST_F(TransactionTest, ARefusedWriteFailsTheWholeSave) {
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(File(), before);
    SettingsTransaction save(Path());
    EXPECT_TRUE(save.Write(L"V", L"K", L"2"));
    EXPECT_FALSE(save.Write(L"V", L"L", L"x\r\n[EVIL]"));
    const SaveResult result = save.Commit();
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Code(), EINVAL);
    EXPECT_EQ(ReadBytes(File()), before);
}

}  // namespace
}  // namespace keldra::settings
