// The editor's OK: 35 writes saved in one commit, next to the floor (one read and one
// flushed write of the same file) and to 35 separate read-modify-rewrite saves.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "settings/DefaultSettingsFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransaction.h"

namespace {

using namespace keldra::settings;

struct Key {
    const wchar_t* section;
    const wchar_t* key;
    bool boolean;
};

// The keys the three pages save on OK.
constexpr std::array<Key, 35> kSavedKeys{{
    {L"VIDEO", L"SIZE_X", false},         {L"VIDEO", L"SIZE_Y", false},
    {L"VIDEO", L"FULLSCREEN", true},      {L"VIDEO", L"REJECT_FIGHT", true},
    {L"VIDEO", L"REJECT_TRADE", true},    {L"VIDEO", L"REJECT_PARTY", true},
    {L"USER", L"USE_FILTER", true},       {L"VIDEO", L"GLOW_LEVEL", false},
    {L"VIDEO", L"GAMMA", false},          {L"VIDEO", L"TEXTURE", false},
    {L"VIDEO", L"RANGE", false},          {L"SOUND", L"VOL_BGM", false},
    {L"SOUND", L"VOL_EFFECT", false},     {L"SOUND", L"VOL_WORLD", false},
    {L"SOUND", L"VOICE_CHAR", true},      {L"SOUND", L"VOICE_NPC", true},
    {L"SOUND", L"DANGER_DETECT", true},   {L"USER", L"MOUSE_SENSITIVITY", false},
    {L"USER", L"SHADOW", true},           {L"USER", L"WATER", true},
    {L"USER", L"USE_MOUSE", true},        {L"USER", L"INV_MOUSE", true},
    {L"USER", L"INV_MOUSE_UPDOWN", true}, {L"USER", L"USER_NAME", true},
    {L"USER", L"MY_NAME", true},          {L"USER", L"MONSTER_NAME", true},
    {L"USER", L"UI_REOPEN", true},        {L"USER", L"SHOW_INTERFACE", true},
    {L"VIDEO", L"HELMET", true},          {L"VIDEO", L"CLOAK", true},
    {L"VIDEO", L"WEAPONEFF", true},       {L"USER", L"TALK_BALLOON", true},
    {L"USER", L"WARNING_MSG", true},      {L"USER", L"SCREEN_SWING", true},
    {L"USER", L"HIDE_DAMAGE", true},
}};

// Every round stores other values than the last, so every save really rewrites the file.
const wchar_t* ValueFor(const Key& key, bool flip) {
    if (key.boolean) return flip ? L"TRUE" : L"FALSE";
    return flip ? L"2" : L"3";
}

class GameFolder {
  public:
    GameFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "keldra-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        folder_ = pattern;
        std::ofstream(File(), std::ios::binary)
            .write(DefaultSettingsFile::Bytes().data(),
                   static_cast<std::streamsize>(DefaultSettingsFile::Bytes().size()));
        path_ = std::wstring(pattern.begin(), pattern.end()) + L"\\CONFIG.INI";
    }
    ~GameFolder() { std::filesystem::remove_all(folder_); }
    std::filesystem::path File() const { return folder_ / "CONFIG.INI"; }
    const std::wstring& Path() const { return path_; }

  private:
    std::filesystem::path folder_;
    std::wstring path_;
};

void BM_OkSaveOneCommit(benchmark::State& state) {
    GameFolder game;
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        SettingsTransaction save(game.Path());
        for (const Key& key : kSavedKeys) save.Write(key.section, key.key, ValueFor(key, flip));
        if (!save.Commit()) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_OkSaveOneCommit)->Unit(benchmark::kMicrosecond);

void BM_FloorReadAndFlushedWrite(benchmark::State& state) {
    GameFolder game;
    for (auto _ : state) {
        std::ifstream in(game.File(), std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(in), {});
        const int fd = open(game.File().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
            fsync(fd) != 0) {
            state.SkipWithError("write failed");
        }
        close(fd);
    }
}
BENCHMARK(BM_FloorReadAndFlushedWrite)->Unit(benchmark::kMicrosecond);

void BM_ThirtyFiveSeparateSaves(benchmark::State& state) {
    GameFolder game;
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        for (const Key& key : kSavedKeys) {
            if (!SettingsFile::Write(key.section, key.key, ValueFor(key, flip), game.Path())) {
                state.SkipWithError("save failed");
            }
        }
    }
}
BENCHMARK(BM_ThirtyFiveSeparateSaves)->Unit(benchmark::kMicrosecond);

}  // namespace
