// Compiled resource files (.res) read entry by entry: every size, offset and name checked,
// and a file damaged anywhere gives no resources at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "platform/kernel/ResourceFile.h"

namespace keldra::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Key = std::variant<std::uint16_t, std::u16string>;

void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, static_cast<std::uint16_t>(v));
    Put16(b, static_cast<std::uint16_t>(v >> 16));
}
void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void PadToDword(Bytes& b) {
    while (b.size() % 4 != 0) b.push_back(0);
}

void PutKey(Bytes& b, const Key& key) {
    if (const auto* id = std::get_if<std::uint16_t>(&key)) {
        Put16(b, 0xFFFF);
        Put16(b, *id);
        return;
    }
    for (const char16_t c : std::get<std::u16string>(key)) Put16(b, c);
    Put16(b, 0);
}

struct Entry {
    Key type;
    Key name;
    Bytes data;
    std::uint16_t language = 0;
};

// One entry as resource compilers write it; `offset` is where it starts in the file.
void PutEntry(Bytes& file, const Entry& entry) {
    Bytes header;
    PutKey(header, entry.type);
    PutKey(header, entry.name);
    PadToDword(header);
    Put32(header, 0);       // DataVersion
    Put16(header, 0x1030);  // MemoryFlags
    Put16(header, entry.language);
    Put32(header, 0);  // Version
    Put32(header, 0);  // Characteristics
    Put32(file, static_cast<std::uint32_t>(entry.data.size()));
    Put32(file, static_cast<std::uint32_t>(header.size() + 8));
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), entry.data.begin(), entry.data.end());
    PadToDword(file);
}

Bytes ResFile(const std::vector<Entry>& entries) {
    Bytes file;
    PutEntry(file, {std::uint16_t{0}, std::uint16_t{0}, {}});  // the 32-bit file's marker
    for (const Entry& entry : entries) PutEntry(file, entry);
    return file;
}

// Odd lengths everywhere: data of 3 and 5 bytes, names whose terminated length is not a
// whole DWORD, so every kind of padding is exercised.
std::vector<Entry> SampleEntries() {
    return {
        {std::uint16_t{2}, std::uint16_t{152}, {1, 2, 3}, 0x0409},
        {u"INI", std::uint16_t{137}, {'[', 'A', ']', '\r', '\n'}, 0x0407},
        {u"AB", u"PICTURE", {9}, 0x0411},
        {std::uint16_t{5}, u"X", {7, 7, 7, 7}, 0x0000},
    };
}

TEST(ResourceFile, ReadsEveryEntryAfterTheMarkerWithItsDataAndLanguage) {
    const Bytes file = ResFile(SampleEntries());
    const ResourceFile parsed = ResourceFile::Parse(file);
    const auto& expected = SampleEntries();
    ASSERT_EQ(parsed.Entries().size(), expected.size()) << "the marker is no resource";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const ResourceEntry& entry = parsed.Entries()[i];
        EXPECT_EQ(Bytes(entry.data.begin(), entry.data.end()), expected[i].data);
        EXPECT_EQ(entry.language, expected[i].language);
        EXPECT_GE(entry.data.data(), file.data());
        EXPECT_LE(entry.data.data() + entry.data.size(), file.data() + file.size());
    }
    EXPECT_EQ(parsed.Find(ResourceName::Number(0), ResourceName::Number(0)), nullptr);
}

TEST(ResourceFile, FindsNumberedAndNamedResourcesIgnoringTheCaseOfNames) {
    const Bytes file = ResFile(SampleEntries());
    const ResourceFile parsed = ResourceFile::Parse(file);
    const auto& entries = parsed.Entries();
    struct Lookup {
        ResourceName type;
        ResourceName name;
        const ResourceEntry* expected;
    };
    const Lookup lookups[] = {
        {ResourceName::Number(2), ResourceName::Number(152), &entries[0]},
        {ResourceName::Named(u"#2"), ResourceName::Named(u"#152"), &entries[0]},
        {ResourceName::Number(2), ResourceName::Number(153), nullptr},
        {ResourceName::Number(3), ResourceName::Number(152), nullptr},
        {ResourceName::Named(u"152"), ResourceName::Number(2), nullptr},
        {ResourceName::Number(2), ResourceName::Named(u"152"), nullptr},
        {ResourceName::Named(u"ini"), ResourceName::Number(137), &entries[1]},
        {ResourceName::Named(u"Ini"), ResourceName::Number(137), &entries[1]},
        {ResourceName::Named(u"INI"), ResourceName::Number(137), &entries[1]},
        {ResourceName::Named(u"INIX"), ResourceName::Number(137), nullptr},
        {ResourceName::Named(u"IN"), ResourceName::Number(137), nullptr},
        {ResourceName::Named(u"ab"), ResourceName::Named(u"picture"), &entries[2]},
        {ResourceName::Named(u"AB"), ResourceName::Named(u"PICTURES"), nullptr},
        {ResourceName::Number(5), ResourceName::Named(u"x"), &entries[3]},
        {ResourceName::Number(5), ResourceName::Number(0), nullptr},
    };
    for (std::size_t i = 0; i < std::size(lookups); ++i) {
        EXPECT_EQ(parsed.Find(lookups[i].type, lookups[i].name), lookups[i].expected) << i;
    }
}

struct Damage {
    const char* name;
    std::function<void(Bytes&)> apply;
};

// Offsets in the sample file: the marker takes 32 bytes; the first entry follows.
constexpr std::size_t kFirst = 32;

class MalformedResourceFile : public ::testing::TestWithParam<Damage> {};

TEST_P(MalformedResourceFile, GivesNoResources) {
    Bytes file = ResFile(SampleEntries());
    GetParam().apply(file);
    EXPECT_TRUE(ResourceFile::Parse(file).Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damages, MalformedResourceFile,
    ::testing::Values(
        Damage{"Empty", [](Bytes& b) { b.clear(); }},
        Damage{"HeaderCut", [](Bytes& b) { b.resize(b.size() - 4 - 20); }},
        Damage{"SizesCut", [](Bytes& b) { b.resize(kFirst + 6); }},
        Damage{"DataCut", [](Bytes& b) { b.resize(b.size() - 2); }},
        Damage{"TrailingBytes",
               [](Bytes& b) {
                   b.insert(b.end(), {1, 2, 3, 4, 5});
               }},
        Damage{"DataSizePastEnd", [](Bytes& b) { Set32(b, kFirst, 0xFFFFFFF0u); }},
        Damage{"DataSizeOneTooMany",
               [](Bytes& b) {
                   Bytes last;
                   PutEntry(last, {std::uint16_t{2}, std::uint16_t{9}, {1, 2, 3, 4}});
                   b.insert(b.end(), last.begin(), last.end());
                   Set32(b, b.size() - last.size(), 5);
               }},
        Damage{"HeaderSizePastEnd", [](Bytes& b) { Set32(b, kFirst + 4, 0xFFFFFFF0u); }},
        Damage{"HeaderSizeZero", [](Bytes& b) { Set32(b, kFirst + 4, 0); }},
        Damage{"HeaderSizeBelowTheSizes", [](Bytes& b) { Set32(b, kFirst + 4, 4); }},
        Damage{"HeaderSizeTooSmallForTheTrailer", [](Bytes& b) { Set32(b, kFirst + 4, 28); }},
        Damage{"HeaderSizeNotADword", [](Bytes& b) { Set32(b, kFirst + 4, 33); }},
        Damage{"HeaderSizeTooSmallForAStringName",
               [](Bytes& b) {
                   b = ResFile({{u"LONGTYPENAME", u"LONGNAME", {1}}}), b[kFirst + 4] = 32;
               }},
        Damage{"NameWithoutTerminator",
               [](Bytes& b) {
                   b = ResFile({{u"AB", std::uint16_t{1}, {}}});
                   b[kFirst + 8 + 4] = 'C';  // the type's NUL becomes a letter
                   b[kFirst + 8 + 6] = 'D';  // and so does the number's mark
                   b[kFirst + 8 + 7] = 0;
                   for (std::size_t at = kFirst + 8 + 8; at < b.size(); ++at) b[at] = 'E';
               }},
        Damage{"EmptyStringName",
               [](Bytes& b) {
                   b = ResFile({{u"", std::uint16_t{1}, {1}}});
               }},
        Damage{
            "NoMarker",
            [](Bytes& b) { b.erase(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(kFirst)); }},
        Damage{"MarkerWithData",
               [](Bytes& b) {
                   Bytes file;
                   PutEntry(file, {std::uint16_t{0}, std::uint16_t{0}, {1, 2, 3, 4}});
                   b.erase(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(kFirst));
                   b.insert(b.begin(), file.begin(), file.end());
               }},
        Damage{"MarkerOfAnotherType", [](Bytes& b) { b[8 + 2] = 5; }}),
    [](const auto& p) { return std::string(p.param.name); });

// How many entries a cut sample file holds: a cut just after an entry (with or without its
// padding) leaves a shorter, sound file; a cut anywhere else leaves a damaged one.
std::size_t EntriesLeftAfterCut(std::size_t size) {
    const auto entries = SampleEntries();
    for (std::size_t kept = 1; kept <= entries.size(); ++kept) {
        const std::size_t end = ResFile({entries.begin(), entries.begin() + kept}).size();
        const std::size_t padding = (4 - entries[kept - 1].data.size() % 4) % 4;
        if (size <= end && size >= end - padding) return kept;
    }
    return 0;
}

TEST(ResourceFile, EveryTruncationLeavesWholeEntriesOrNothing) {
    // Run under the address sanitizer, any read past the given bytes fails this test.
    const Bytes file = ResFile(SampleEntries());
    for (std::size_t size = 0; size <= file.size(); ++size) {
        const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_EQ(ResourceFile::Parse(cut).Entries().size(), EntriesLeftAfterCut(size)) << size;
    }
}

}  // namespace
}  // namespace keldra::platform
