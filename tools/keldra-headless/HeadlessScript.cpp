#include "HeadlessScript.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <sstream>

namespace keldra::headless {

namespace {

using Kind = ScriptCommand::Kind;

const std::map<std::string, std::pair<Kind, int>> kCommands = {
    // name -> kind and number of integer arguments (-1: one text argument)
    {"move", {Kind::Move, 2}},   {"down", {Kind::Down, 2}},          {"up", {Kind::Up, 2}},
    {"click", {Kind::Click, 2}}, {"drag", {Kind::Drag, 4}},          {"key", {Kind::Key, -1}},
    {"wait", {Kind::Wait, 1}},   {"snapshot", {Kind::Snapshot, -1}}, {"screen", {Kind::Screen, -1}},
    {"state", {Kind::State, 0}},
};

constexpr std::array kKeys = {"ENTER", "ESCAPE", "TAB",      "SHIFT+TAB", "SPACE",
                              "LEFT",  "RIGHT",  "UP",       "DOWN",      "HOME",
                              "END",   "PAGEUP", "PAGEDOWN", "F4",        "ALT+DOWN"};

bool ParseInt(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::optional<ScriptCommand> ParseLine(const std::vector<std::string>& words, int line,
                                       std::string& error) {
    const auto found = kCommands.find(words[0]);
    if (found == kCommands.end()) {
        error = "unknown command \"" + words[0] + "\"";
        return std::nullopt;
    }
    const auto [kind, integers] = found->second;
    ScriptCommand command{};
    command.kind = kind;
    command.line = line;
    const std::size_t wanted = integers < 0 ? 1 : static_cast<std::size_t>(integers);
    if (words.size() - 1 != wanted) {
        error = words[0] + " takes " + std::to_string(wanted) + " argument(s)";
        return std::nullopt;
    }
    if (integers < 0) {
        if (kind == Kind::Key) {
            command.key = Upper(words[1]);
            if (!HeadlessScript::IsKnownKey(command.key)) {
                error = "unknown key \"" + words[1] + "\"";
                return std::nullopt;
            }
        } else {
            command.file = words[1];
        }
        return command;
    }
    int* targets[] = {kind == Kind::Wait ? &command.milliseconds : &command.x, &command.y,
                      &command.x2, &command.y2};
    for (int i = 0; i < integers; ++i) {
        if (!ParseInt(words[static_cast<std::size_t>(i) + 1], *targets[i])) {
            error = "\"" + words[static_cast<std::size_t>(i) + 1] + "\" is not a whole number";
            return std::nullopt;
        }
    }
    if (kind == Kind::Wait && command.milliseconds < 0) {
        error = "wait takes a number of milliseconds of at least 0";
        return std::nullopt;
    }
    return command;
}

}  // namespace

bool HeadlessScript::IsKnownKey(const std::string& name) {
    return std::find(kKeys.begin(), kKeys.end(), name) != kKeys.end();
}

std::optional<std::vector<ScriptCommand>> HeadlessScript::Parse(std::istream& in,
                                                                std::string& error) {
    std::vector<ScriptCommand> commands;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (const auto hash = text.find('#'); hash != std::string::npos) text.resize(hash);
        std::istringstream split(text);
        std::vector<std::string> words;
        for (std::string word; split >> word;) words.push_back(word);
        if (words.empty()) continue;
        std::string problem;
        auto command = ParseLine(words, line, problem);
        if (!command) {
            error = "line " + std::to_string(line) + ": " + problem;
            return std::nullopt;
        }
        commands.push_back(std::move(*command));
    }
    return commands;
}

}  // namespace keldra::headless
