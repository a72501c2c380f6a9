// Files far larger than a settings file ever is: reads give their defaults and saves are
// refused without a change, whatever the size; below the limit the file is edited as usual.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <string>

#include "settings/FileSnapshot.h"
#include "settings/IniDocument.h"
#include "settings/IniLineSyntax.h"
#include "settings/SettingsFile.h"
#include "settings/TextCodec.h"
#include "support/ParamName.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using namespace std::string_literals;
using keldra::testing::ReadBytes;
using keldra::testing::StatOf;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

constexpr std::uintmax_t kLimit = FileSnapshot::kMaxEditableSize;
const std::string kHead = "[VIDEO]\r\nSIZE_X=800\r\n";

// The head's bytes followed by a hole up to `size`: no disk space, however large.
void WriteSparse(const std::filesystem::path& file, std::uintmax_t size) {
    WriteBytes(file, kHead);
    std::filesystem::resize_file(file, size);
}

struct TooLargeFile {
    const char* name;
    std::uintmax_t size;
};

class TooLargeFileTest : public ::testing::TestWithParam<TooLargeFile> {};

TEST_P(TooLargeFileTest, ReadsGiveTheDefaultsAndASaveFailsWithoutAChange) {
    TempFolder folder;
    const auto file = folder / "CONFIG.INI";
    WriteSparse(file, GetParam().size);
    const std::wstring path = folder.WindowsPath("CONFIG.INI");

    EXPECT_EQ(SettingsFile::ReadText(L"VIDEO", L"SIZE_X", L"1024", path), L"1024");
    EXPECT_EQ(SettingsFile::ReadInt(L"VIDEO", L"SIZE_X", 1024, path), 1024);

    const SaveResult saved = SettingsFile::Write(L"VIDEO", L"SIZE_X", L"640", path);
    EXPECT_FALSE(saved.Succeeded());
    EXPECT_EQ(saved.Code(), EFBIG);
    const struct stat after = StatOf(file);
    EXPECT_EQ(static_cast<std::uintmax_t>(after.st_size), GetParam().size);
    EXPECT_LE(after.st_blocks, 64) << "still the head and a hole";
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary file is left beside it";
}

INSTANTIATE_TEST_SUITE_P(Sizes, TooLargeFileTest,
                         ::testing::Values(TooLargeFile{"one_byte_over_the_limit", kLimit + 1},
                                           TooLargeFile{"hundred_gigabytes", 100ull << 30}),
                         keldra::testing::ParamName<TooLargeFile>);

TEST(LargeFile, TheReasonNamesTheLimit) {
    TempFolder folder;
    WriteSparse(folder / "CONFIG.INI", kLimit + 1);
    const FileSnapshot snapshot = FileSnapshot::Take(folder / "CONFIG.INI");
    EXPECT_EQ(snapshot.GetState(), FileSnapshot::State::Unreadable);
    EXPECT_EQ(snapshot.Error(), EFBIG);
    EXPECT_TRUE(snapshot.Bytes().empty());
    EXPECT_EQ(snapshot.Reason(), "the file is too large to edit (over 64 MiB)");
}

TEST(LargeFile, AFileJustUnderTheLimitIsStillEdited) {
    TempFolder folder;
    const auto file = folder / "CONFIG.INI";
    WriteSparse(file, kLimit - 16);
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    EXPECT_EQ(SettingsFile::ReadText(L"VIDEO", L"SIZE_X", L"d", path), L"800");
    ASSERT_TRUE(SettingsFile::Write(L"VIDEO", L"SIZE_X", L"1024", path));
    EXPECT_EQ(SettingsFile::ReadInt(L"VIDEO", L"SIZE_X", 0, path), 1024);
    const std::string after = ReadBytes(file);
    EXPECT_EQ(after.size(), kLimit - 16 + 1);
    EXPECT_EQ(after.substr(0, 22), "[VIDEO]\r\nSIZE_X=1024\r\n");
    EXPECT_EQ(after.find_first_not_of('\0', 22), std::string::npos) << "the rest kept as it was";
}

// Saved, such a file would read as no file at all the next time: the save is refused.
TEST(LargeFile, ASaveThatWouldPushTheFileOverTheLimitChangesNothing) {
    TempFolder folder;
    const auto file = folder / "CONFIG.INI";
    WriteSparse(file, kLimit - 16);
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    const SaveResult saved = SettingsFile::Write(L"VIDEO", L"SIZE_X", std::wstring(40, L'9'), path);
    EXPECT_FALSE(saved.Succeeded());
    EXPECT_EQ(saved.Code(), EFBIG);
    EXPECT_EQ(StatOf(file).st_size, static_cast<off_t>(kLimit - 16));
    EXPECT_EQ(SettingsFile::ReadText(L"VIDEO", L"SIZE_X", L"d", path), L"800");
}

// A file that is larger when read than its size said, as a file that grows meanwhile is:
// the proc file system gives its files a size of 0 whatever they hold.
TEST(LargeFile, AFileThatTurnsOutLargerWhenReadIsReadOnlyUpToTheLimit) {
    const std::filesystem::path growing = "/proc/self/maps";
    ASSERT_EQ(StatOf(growing).st_size, 0);
    const FileSnapshot whole = FileSnapshot::Take(growing, 1 << 20);
    ASSERT_EQ(whole.GetState(), FileSnapshot::State::Read);
    ASSERT_GT(whole.Bytes().size(), 64u);

    const FileSnapshot cut = FileSnapshot::Take(growing, 64);
    EXPECT_EQ(cut.GetState(), FileSnapshot::State::Unreadable);
    EXPECT_EQ(cut.Error(), EFBIG);
    EXPECT_TRUE(cut.Bytes().empty());
}

// Lookups decode only the lines they read. This compares them with the plain way: the whole
// file decoded at once, split into lines, each line cut at its first NUL and parsed.
std::optional<std::wstring> FindByDecodingEverything(std::string_view body, TextEncoding encoding,
                                                     std::wstring_view section,
                                                     std::wstring_view key) {
    const std::wstring text = TextCodec::Decode(body, encoding);
    bool inSection = false;
    bool sectionSeen = false;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring_view line = std::wstring_view(text).substr(start, end - start);
        line = line.substr(0, line.find(L'\0'));
        const IniLineSyntax syntax = IniLineSyntax::Parse(line);
        if (syntax.IsSection()) {
            if (inSection) return std::nullopt;
            inSection = !sectionSeen && SameIniName(syntax.name, section);
            sectionSeen = sectionSeen || inSection;
        } else if (inSection && syntax.IsKey() && SameIniName(syntax.name, key)) {
            return std::wstring(syntax.value);
        }
        if (end == text.size()) break;
        start =
            end + (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n' ? 2 : 1);
    }
    return std::nullopt;
}

struct Encoded {
    TextEncoding encoding;
    std::string mark;
    std::string invalid;  // a sequence that does not decode
};

std::string RandomDocument(const Encoded& form, std::mt19937& random) {
    static const wchar_t* const kPieces[] = {L"[",  L"]",  L"=", L";", L" ", L"\t",     L"\r",
                                             L"\n", L"\0", L"a", L"A", L"b", L"\u00E9", L"\u20AC"};
    constexpr std::size_t kCount = std::size(kPieces);
    std::string bytes = form.mark;
    const std::size_t length = random() % 60;
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t pick = random() % (kCount + 1);
        if (pick == kCount) {
            bytes += form.invalid;
        } else {
            const std::wstring_view piece = pick == 8 ? std::wstring_view(L"\0", 1) : kPieces[pick];
            bytes += TextCodec::Encode(piece, form.encoding);
        }
    }
    return bytes;
}

TEST(LargeFile, LookupsFindWhatDecodingTheWholeFileFinds) {
    const Encoded forms[] = {
        {TextEncoding::Windows1252, "", "\x81"},
        {TextEncoding::Utf8, "\xEF\xBB\xBF", "\xC3"},
        {TextEncoding::Utf16Le, "\xFF\xFE", "\x00\xD8"s},
        {TextEncoding::Utf16Be, "\xFE\xFF", "\xD8\x00"s},
    };
    const wchar_t* const names[] = {L"a", L"A", L"b", L"", L"\u00E9", L"a b", L"\uFFFD"};
    std::mt19937 random(7);
    for (const Encoded& form : forms) {
        for (int round = 0; round < 400; ++round) {
            const std::string bytes = RandomDocument(form, random);
            const IniDocument document = IniDocument::Parse(bytes);
            ASSERT_EQ(document.Encoding(), form.encoding);
            const std::string_view body = std::string_view(bytes).substr(form.mark.size());
            for (const wchar_t* section : names) {
                for (const wchar_t* key : names) {
                    ASSERT_EQ(document.Find(section, key),
                              FindByDecodingEverything(body, form.encoding, section, key))
                        << "encoding " << static_cast<int>(form.encoding) << " round " << round;
                }
            }
        }
    }
}

}  // namespace
}  // namespace keldra::settings
