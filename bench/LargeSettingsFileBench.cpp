// Settings files far larger than the game's few kilobytes, made of ordinary 40-character key
// lines: parsing them, reading one key as keldra-ini does, and saving one change. Time per
// byte should stay flat from 1 to 50 MB (the bytes_per_second counter).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/IniDocument.h"
#include "settings/SettingsFile.h"

namespace {

using namespace keldra::settings;

// "[VIDEO]", then KEY_<n>=<26 letters> lines up to the size, then a small [SOUND] section.
std::string LargeSettingsText(std::size_t size) {
    std::string text = "[VIDEO]\r\nSIZE_X=1024\r\n";
    text.reserve(size + 64);
    char line[64];
    for (std::size_t n = 0; text.size() < size; ++n) {
        std::snprintf(line, sizeof line, "KEY_%09zu=abcdefghijklmnopqrstuvwxyz\r\n", n);
        text += line;
    }
    text += "[SOUND]\r\nVOL_BGM=6\r\n";
    return text;
}

class LargeGameFolder {
  public:
    explicit LargeGameFolder(std::size_t size) : bytes_(LargeSettingsText(size)) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "keldra-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        folder_ = pattern;
        std::ofstream(folder_ / "CONFIG.INI", std::ios::binary)
            .write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
        path_ = std::wstring(pattern.begin(), pattern.end()) + L"\\CONFIG.INI";
    }
    ~LargeGameFolder() { std::filesystem::remove_all(folder_); }
    const std::string& Bytes() const { return bytes_; }
    const std::wstring& Path() const { return path_; }

  private:
    std::string bytes_;
    std::filesystem::path folder_;
    std::wstring path_;
};

constexpr std::int64_t kMegabyte = 1 << 20;

void BM_ParseAndSerialize(benchmark::State& state) {
    const std::string bytes = LargeSettingsText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        IniDocument document = IniDocument::Parse(bytes);
        document.Set(L"SOUND", L"VOL_BGM", L"7");
        benchmark::DoNotOptimize(document.Serialize());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseAndSerialize)
    ->Arg(kMegabyte)
    ->Arg(10 * kMegabyte)
    ->Arg(50 * kMegabyte)
    ->Unit(benchmark::kMillisecond);

// A key at the file's end, read from disk as every read does (the parse itself is cached
// while the bytes stay the same).
void BM_ReadLastKey(benchmark::State& state) {
    const LargeGameFolder game(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SettingsFile::ReadInt(L"SOUND", L"VOL_BGM", 0, game.Path()));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(game.Bytes().size()));
}
BENCHMARK(BM_ReadLastKey)
    ->Arg(kMegabyte)
    ->Arg(10 * kMegabyte)
    ->Arg(50 * kMegabyte)
    ->Unit(benchmark::kMillisecond);

// One changed key saved in one step: read, parse, change, write and flush the whole file.
void BM_SaveOneKey(benchmark::State& state) {
    const LargeGameFolder game(static_cast<std::size_t>(state.range(0)));
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        if (!SettingsFile::Write(L"SOUND", L"VOL_BGM", flip ? L"7" : L"6", game.Path())) {
            state.SkipWithError("save failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(game.Bytes().size()));
}
BENCHMARK(BM_SaveOneKey)
    ->Arg(kMegabyte)
    ->Arg(10 * kMegabyte)
    ->Arg(50 * kMegabyte)
    ->Unit(benchmark::kMillisecond);

}  // namespace
