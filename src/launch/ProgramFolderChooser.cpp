#include "launch/ProgramFolderChooser.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "settings/UniqueFd.h"

extern char** environ;

namespace keldra::launch {

namespace {

using settings::UniqueFd;

constexpr int kStatusCancelled = 1;

// The standard actions of a spawn, destroyed with it.
class SpawnActions {
  public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    posix_spawn_file_actions_t* Get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

std::string ReadToEnd(int fd) {
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<int> ExitStatusOf(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return std::nullopt;
    }
    if (!WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

// The printed folder: the bytes before the line break the program ends its output with.
FolderAnswer FolderFromOutput(std::string output) {
    if (output.ends_with('\n')) output.pop_back();
    if (output.empty()) return FolderAnswer::Cancelled();
    std::filesystem::path folder(std::move(output));
    if (!folder.is_absolute() || folder.native().find('\0') != std::string::npos)
        return FolderAnswer::Unavailable();
    return FolderAnswer::Chosen(std::move(folder));
}

}  // namespace

ProgramFolderChooser ProgramFolderChooser::Zenity(const std::string& title) {
    return ProgramFolderChooser({"zenity", "--file-selection", "--directory", "--title=" + title});
}

ProgramFolderChooser ProgramFolderChooser::Kdialog(const std::string& title) {
    return ProgramFolderChooser({"kdialog", "--title", title, "--getexistingdirectory"});
}

FolderAnswer ProgramFolderChooser::Ask() const {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return FolderAnswer::Unavailable();
    UniqueFd reading(ends[0]);
    UniqueFd writing(ends[1]);

    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(actions.Get(), writing.Get(), STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : command_)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = -1;
    if (posix_spawnp(&child, argv[0], actions.Get(), nullptr, argv.data(), environ) != 0)
        return FolderAnswer::Unavailable();  // not on PATH, or not a program that runs
    writing.Close();                         // so that reading ends when the program does

    std::string output = ReadToEnd(reading.Get());
    const auto status = ExitStatusOf(child);
    if (status == kStatusCancelled) return FolderAnswer::Cancelled();
    if (status != 0) return FolderAnswer::Unavailable();
    return FolderFromOutput(std::move(output));
}

}  // namespace keldra::launch
