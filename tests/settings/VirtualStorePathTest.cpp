// Where Windows keeps a virtualized program's copy of a file under a protected folder.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/VirtualStorePath.h"
#include "support/ParamName.h"

namespace keldra::settings {
namespace {

const VirtualStorePath kStore(L"C:\\Users\\Ann\\AppData\\Local",
                              {L"C:\\Program Files", L"C:\\Program Files (x86)", L"C:\\Windows",
                               L"C:\\ProgramData", L""});

struct StoreCase {
    const char* name;
    std::wstring file;
    std::optional<std::wstring> copy;
};

class VirtualStorePathTest : public ::testing::TestWithParam<StoreCase> {};

TEST_P(VirtualStorePathTest, MapsProtectedFoldersOnly) {
    EXPECT_EQ(kStore.For(GetParam().file), GetParam().copy);
}

const std::wstring kLongFolder(300, L'k');

INSTANTIATE_TEST_SUITE_P(
    Paths, VirtualStorePathTest,
    ::testing::Values(
        StoreCase{"ProgramFilesX86", L"C:\\Program Files (x86)\\Keldra\\CONFIG.INI",
                  L"C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\Program Files (x86)\\Keldra\\"
                  L"CONFIG.INI"},
        StoreCase{"ProgramFiles", L"C:\\Program Files\\Keldra\\CONFIG.INI",
                  L"C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\Program Files\\Keldra\\"
                  L"CONFIG.INI"},
        StoreCase{"CaseOfFolderAndDriveIgnored", L"c:\\PROGRAM FILES\\Keldra\\CONFIG.INI",
                  L"C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\PROGRAM FILES\\Keldra\\"
                  L"CONFIG.INI"},
        StoreCase{"WindowsFolder", L"C:\\Windows\\Keldra\\CONFIG.INI",
                  L"C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\Windows\\Keldra\\CONFIG.INI"},
        StoreCase{"ProgramData", L"C:\\ProgramData\\Keldra\\CONFIG.INI",
                  L"C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\ProgramData\\Keldra\\"
                  L"CONFIG.INI"},
        StoreCase{"ForwardSlashes", L"C:/Program Files/Keldra/CONFIG.INI",
                  L"C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\Program Files\\Keldra\\"
                  L"CONFIG.INI"},
        StoreCase{"LongPathForm", L"\\\\?\\C:\\Program Files\\" + kLongFolder + L"\\CONFIG.INI",
                  L"C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\Program Files\\" + kLongFolder +
                      L"\\CONFIG.INI"},
        StoreCase{"OtherDriveSameFolderName", L"D:\\Program Files\\Keldra\\CONFIG.INI",
                  std::nullopt},
        StoreCase{"UserFolder", L"C:\\Games\\Keldra\\CONFIG.INI", std::nullopt},
        StoreCase{"FolderThatOnlyStartsTheSame", L"C:\\Program Files Games\\CONFIG.INI",
                  std::nullopt},
        StoreCase{"TheProtectedFolderItself", L"C:\\Program Files", std::nullopt},
        StoreCase{"NetworkShare", L"\\\\server\\Program Files\\Keldra\\CONFIG.INI", std::nullopt},
        StoreCase{"LongNetworkShare", L"\\\\?\\UNC\\server\\share\\CONFIG.INI", std::nullopt},
        StoreCase{"Relative", L"Program Files\\Keldra\\CONFIG.INI", std::nullopt}),
    keldra::testing::ParamName<StoreCase>);

TEST(VirtualStorePath, NoCopyWithoutALocalAppDataFolder) {
    const VirtualStorePath noStore(L"", {L"C:\\Program Files"});
    EXPECT_EQ(noStore.For(L"C:\\Program Files\\Keldra\\CONFIG.INI"), std::nullopt);
}

TEST(VirtualStorePath, ProtectedFoldersOnAnotherDriveAndWithTrailingSeparators) {
    const VirtualStorePath store(L"C:\\Users\\Bo\\AppData\\Local\\",
                                 {L"E:\\Programs\\", L"\\\\?\\E:\\Win"});
    EXPECT_EQ(store.For(L"E:\\Programs\\Keldra\\CONFIG.INI"),
              L"C:\\Users\\Bo\\AppData\\Local\\VirtualStore\\Programs\\Keldra\\CONFIG.INI");
    EXPECT_EQ(store.For(L"e:\\win\\CONFIG.INI"),
              L"C:\\Users\\Bo\\AppData\\Local\\VirtualStore\\win\\CONFIG.INI");
    EXPECT_EQ(store.For(L"C:\\Programs\\Keldra\\CONFIG.INI"), std::nullopt);
}

}  // namespace
}  // namespace keldra::settings
