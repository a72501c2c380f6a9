// Feeds arbitrary bytes as a settings file through reads, writes and a commit. Checks:
// nothing crashes; an untouched document writes back byte for byte; after a write the key
// reads back as written while every other line keeps its bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "settings/IniDocument.h"
#include "settings/ProfileValue.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransaction.h"
#include "settings/TextCodec.h"

using namespace keldra::settings;

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "settings fuzzer: %s\n", what);
        std::abort();
    }
}

// Names and values the write may use: names that may already be in the input, and
// printable ASCII values that any encoding holds and that read back as written.
struct WriteChoice {
    std::wstring section;
    std::wstring key;
    std::wstring value;
};

WriteChoice ChooseWrite(std::string_view& data) {
    static const wchar_t* const kSections[] = {L"V", L"VIDEO", L"video", L"W", L"S"};
    static const wchar_t* const kKeys[] = {L"K", L"A", L"SIZE_X", L"k", L"B"};
    static const wchar_t* const kValues[] = {L"1", L"TRUE", L"", L"a b", L"x=y", L"'q"};
    auto next = [&data]() -> unsigned {
        if (data.empty()) return 0;
        const auto byte = static_cast<unsigned char>(data.front());
        data.remove_prefix(1);
        return byte;
    };
    return {kSections[next() % 5], kKeys[next() % 5], kValues[next() % 6]};
}

// Every line of `before` is in `after`, in order and byte for byte, except one replaced
// key line or a last line that gained its line end; `after` has at most two lines more.
void CheckOtherLinesKept(const IniDocument& before, const IniDocument& after) {
    const std::size_t b = before.LineCount();
    const std::size_t a = after.LineCount();
    Check(a >= b && a <= b + 2, "a write added more than a section and a key");
    if (a == b) {
        std::size_t differing = 0;
        for (std::size_t i = 0; i < b; ++i) {
            if (before.LineAt(i) == after.LineAt(i)) continue;
            ++differing;
            Check(before.LineAt(i).ending == after.LineAt(i).ending,
                  "a replaced line lost its line end");
        }
        Check(differing <= 1, "a write changed more than one line");
        return;
    }
    std::size_t j = 0;
    for (std::size_t i = 0; i < b; ++i) {
        const auto old = before.LineAt(i);
        while (j < a && !(after.LineAt(j) == old) &&
               !(old.ending.empty() && i + 1 == b && after.LineAt(j).content == old.content)) {
            ++j;
        }
        Check(j < a, "a line of the file was lost or changed");
        ++j;
    }
}

std::filesystem::path ScratchFile() {
    // A memory-backed folder where there is one, so that the commit's flush costs nothing.
    const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    static const std::filesystem::path folder = base / ("keldra-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return folder / "CONFIG.INI";
}

void CheckCommit(std::string_view bytes, const WriteChoice& first, const WriteChoice& second) {
    const std::filesystem::path file = ScratchFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const std::wstring path = TextCodec::FromUtf8(file.string());
    SettingsTransaction save(path);
    Check(save.Write(first.section, first.key, first.value), "a valid write was refused");
    Check(save.Write(second.section, second.key, second.value), "a valid write was refused");
    Check(static_cast<bool>(save.Commit()), "the commit failed");
    Check(SettingsFile::ReadText(second.section, second.key, L"<missing>", path) == second.value,
          "the last write does not read back after the commit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const WriteChoice write = ChooseWrite(input);
    const WriteChoice other = ChooseWrite(input);

    const IniDocument before = IniDocument::Parse(input);
    Check(before.Serialize() == input, "an untouched document did not write back byte for byte");
    if (const auto stored = before.Find(write.section, write.key)) {
        Check(ProfileValue::Text(*stored).size() <= ProfileValue::kMaxLength,
              "a read returned too much");
    }

    IniDocument after = before;
    after.Set(write.section, write.key, write.value);
    const IniDocument reread = IniDocument::Parse(after.Serialize());
    const auto stored = reread.Find(write.section, write.key);
    Check(stored.has_value() && ProfileValue::Text(*stored) == write.value,
          "a written key does not read back");
    CheckOtherLinesKept(before, reread);

    CheckCommit(input, write, other);
    return 0;
}
