// What only Windows has: the read-only attribute, paths past MAX_PATH, files held open
// without sharing, mandatory byte-range locks, attributes kept by a replace, and the
// VirtualStore copy a virtualized game reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "settings/FileLock.h"
#include "settings/NativePath.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransaction.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

const std::string kBefore = "[V]\r\nK=1\r\n";

class WindowsFileTest : public ::testing::Test {
  protected:
    std::filesystem::path File() const { return folder_ / "CONFIG.INI"; }
    std::wstring Path() const { return folder_.WindowsPath("CONFIG.INI"); }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder_.Path()), {}));
    }

    TempFolder folder_;
};

// A handle opened the way a program that does not share its file opens it.
class ExclusiveHolder {
  public:
    explicit ExclusiveHolder(const std::filesystem::path& file)
        : handle_(CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
    }
    ~ExclusiveHolder() { Release(); }
    void Release() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handle_;
};

TEST_F(WindowsFileTest, TheReadOnlyAttributeRefusesTheSaveWithItsReason) {
    WriteBytes(File(), kBefore);
    ASSERT_TRUE(SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_READONLY));
    const SaveResult result = SettingsFile::Write(L"V", L"K", L"2", Path());
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Code(), EACCES);
    EXPECT_EQ(result.Reason(), "the file is read-only");
    EXPECT_EQ(result.Path(), Path());
    EXPECT_EQ(ReadBytes(File()), kBefore);
    EXPECT_NE(GetFileAttributesW(File().c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(EntriesInFolder(), 1u) << "a temporary file was left";
}

TEST_F(WindowsFileTest, AFolderPathPastMaxPathIsSavedAndReadThroughTheLongForm) {
    std::wstring folder = folder_.Path().wstring();
    while (folder.size() < MAX_PATH + 40) {
        folder += L"\\" + std::wstring(60, L'f');
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr));
    }
    const std::wstring path = folder + L"\\CONFIG.INI";
    ASSERT_GT(path.size(), static_cast<std::size_t>(MAX_PATH));
    EXPECT_EQ(NativePath::From(path).native(), L"\\\\?\\" + path);
    EXPECT_EQ(NativePath::ToWindows(NativePath::From(path)), path);

    const SaveResult first = SettingsFile::Write(L"VIDEO", L"SIZE_X", L"1280", path);
    ASSERT_TRUE(first) << first.Reason();
    const SaveResult second = SettingsFile::Write(L"VIDEO", L"SIZE_Y", L"1024", path);
    ASSERT_TRUE(second) << second.Reason();
    EXPECT_EQ(SettingsFile::ReadInt(L"VIDEO", L"SIZE_X", 0, path), 1280);
    EXPECT_EQ(ReadBytes(std::filesystem::path(L"\\\\?\\" + path)),
              "[VIDEO]\r\nSIZE_X=1280\r\nSIZE_Y=1024\r\n");
}

TEST_F(WindowsFileTest, AFileHeldWithoutSharingFailsTheSaveAfterAShortRetry) {
    WriteBytes(File(), kBefore);
    ExclusiveHolder game(File());
    const auto start = std::chrono::steady_clock::now();
    const SaveResult result = SettingsFile::Write(L"V", L"K", L"2", Path());
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Code(), EBUSY);
    EXPECT_FALSE(result.Reason().empty());
    EXPECT_GE(waited, std::chrono::milliseconds(1000)) << "gave up without retrying";
    EXPECT_LT(waited, std::chrono::seconds(5)) << "the retry is not short";
    game.Release();
    EXPECT_EQ(ReadBytes(File()), kBefore);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(WindowsFileTest, AFileReleasedDuringTheRetryIsSaved) {
    WriteBytes(File(), kBefore);
    ExclusiveHolder game(File());
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        game.Release();
    });
    const SaveResult result = SettingsFile::Write(L"V", L"K", L"2", Path());
    releaser.join();
    ASSERT_TRUE(result) << result.Reason();
    EXPECT_EQ(ReadBytes(File()), "[V]\r\nK=2\r\n");
}

TEST_F(WindowsFileTest, TheWritersLockNeverBlocksAPlainRead) {
    WriteBytes(File(), kBefore);
    const FileLock held = FileLock::Acquire(NativePath::From(Path()), std::chrono::seconds(1));
    ASSERT_TRUE(held.Held());

    HANDLE reader = CreateFileW(File().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    char buffer[64] = {};
    DWORD count = 0;
    EXPECT_TRUE(ReadFile(reader, buffer, sizeof buffer, &count, nullptr)) << GetLastError();
    // Byte-range locks are mandatory: no byte a reader reads may be under the writers' lock,
    // which another handle's lock over the whole content shows (Wine does not refuse reads
    // of locked bytes, but it does refuse such a lock).
    OVERLAPPED start{};
    EXPECT_TRUE(LockFileEx(reader, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1u << 20,
                           0, &start))
        << GetLastError();
    UnlockFileEx(reader, 0, 1u << 20, 0, &start);
    CloseHandle(reader);
    EXPECT_EQ(std::string(buffer, count), kBefore);
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"", Path()), L"1");

    // And it does keep another writer out.
    const FileLock second =
        FileLock::Acquire(NativePath::From(Path()), std::chrono::milliseconds(100));
    EXPECT_EQ(second.GetState(), FileLock::State::TimedOut);
    SettingsTransaction save(Path());
    save.SetLockWait(std::chrono::milliseconds(100));
    save.Write(L"V", L"K", L"2");
    const SaveResult result = save.Commit();
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Code(), EWOULDBLOCK);
    EXPECT_EQ(ReadBytes(File()), kBefore);
}

TEST_F(WindowsFileTest, AReplaceKeepsTheHiddenAndArchiveAttributes) {
    WriteBytes(File(), kBefore);
    ASSERT_TRUE(SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(SettingsFile::Write(L"V", L"K", L"2", Path()));
    EXPECT_EQ(ReadBytes(File()), "[V]\r\nK=2\r\n");
    const DWORD attributes = GetFileAttributesW(File().c_str());
    EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_ARCHIVE, 0u);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// The folders virtualization covers and the user's VirtualStore, set for one test.
class VirtualStoreTest : public WindowsFileTest {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "pf86" / "Keldra");
        for (const wchar_t* name : {L"ProgramFiles", L"ProgramW6432", L"SystemRoot", L"ProgramData",
                                    L"LOCALAPPDATA", L"ProgramFiles(x86)"}) {
            wchar_t value[MAX_PATH] = {};
            saved_.emplace_back(name, GetEnvironmentVariableW(name, value, MAX_PATH) > 0
                                          ? std::wstring(value)
                                          : std::wstring());
            SetEnvironmentVariableW(name, nullptr);
        }
        SetEnvironmentVariableW(L"ProgramFiles(x86)", (folder_ / "pf86").c_str());
        SetEnvironmentVariableW(L"LOCALAPPDATA", (folder_ / "local").c_str());
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_)
            SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str());
    }

    std::filesystem::path RealFile() const { return folder_ / "pf86" / "Keldra" / "CONFIG.INI"; }
    std::filesystem::path Copy() const {
        std::wstring relative = (folder_ / "pf86" / "Keldra" / "CONFIG.INI").wstring().substr(2);
        return std::filesystem::path((folder_ / "local").wstring() + L"\\VirtualStore" + relative);
    }
    std::wstring GamePath() const { return RealFile().wstring(); }

    std::vector<std::pair<std::wstring, std::wstring>> saved_;
};

TEST_F(VirtualStoreTest, TheGamesCopyIsReadAndEditedAndTheRealFileLeftAlone) {
    WriteBytes(RealFile(), "[VIDEO]\r\nSIZE_X=800\r\n");
    std::filesystem::create_directories(Copy().parent_path());
    WriteBytes(Copy(), "[VIDEO]\r\nSIZE_X=1024\r\n");

    EXPECT_EQ(SettingsFile::ReadInt(L"VIDEO", L"SIZE_X", 0, GamePath()), 1024);
    ASSERT_TRUE(SettingsFile::Write(L"VIDEO", L"SIZE_X", L"1280", GamePath()));
    EXPECT_EQ(ReadBytes(Copy()), "[VIDEO]\r\nSIZE_X=1280\r\n");
    EXPECT_EQ(ReadBytes(RealFile()), "[VIDEO]\r\nSIZE_X=800\r\n");
}

TEST_F(VirtualStoreTest, WithoutACopyTheRealFileIsEdited) {
    WriteBytes(RealFile(), "[VIDEO]\r\nSIZE_X=800\r\n");
    EXPECT_EQ(SettingsFile::ReadInt(L"VIDEO", L"SIZE_X", 0, GamePath()), 800);
    ASSERT_TRUE(SettingsFile::Write(L"VIDEO", L"SIZE_X", L"1280", GamePath()));
    EXPECT_EQ(ReadBytes(RealFile()), "[VIDEO]\r\nSIZE_X=1280\r\n");
    EXPECT_FALSE(std::filesystem::exists(Copy()));
}

}  // namespace
}  // namespace keldra::settings
