// keldra-ini: reads and writes the game's settings file exactly as the editor does.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/NativePath.h"
#include "settings/SettingsFile.h"
#include "settings/TextCodec.h"

using keldra::settings::NativePath;
using keldra::settings::SettingsFile;
using keldra::settings::TextCodec;

namespace {

constexpr int kUsageError = 2;

int Usage() {
    std::cerr << "usage: keldra-ini get FILE SECTION KEY [DEFAULT]\n"
                 "       keldra-ini get-int FILE SECTION KEY [DEFAULT]\n"
                 "       keldra-ini set FILE SECTION KEY VALUE\n";
    return kUsageError;
}

bool ParseIntArgument(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// A section, key, value or default that is not UTF-8 has no characters to store or compare:
// it is refused rather than guessed at, before the file is read.
bool TextArgumentsAreUtf8(const std::vector<std::string>& args) {
    const std::string_view last = args[0] == "set" ? "VALUE" : "DEFAULT";
    const std::string_view names[] = {"SECTION", "KEY", last};
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (TextCodec::IsValidUtf8(args[i])) continue;
        std::cerr << "keldra-ini: " << names[i - 2] << " is not valid UTF-8\n";
        return false;
    }
    return true;
}

void PrintLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

int Run(const std::vector<std::string>& args) {
    if (args.size() < 4 || args.size() > 5) return Usage();
    if (!TextArgumentsAreUtf8(args)) return kUsageError;
    const std::string& command = args[0];
    const std::wstring file = NativePath::ToWindows(args[1]);  // a Linux path, byte for byte
    const std::wstring section = TextCodec::FromUtf8(args[2]);
    const std::wstring key = TextCodec::FromUtf8(args[3]);

    if (command == "get" && args.size() <= 5) {
        const std::wstring fallback = args.size() == 5 ? TextCodec::FromUtf8(args[4]) : L"";
        PrintLine(TextCodec::ToUtf8(SettingsFile::ReadText(section, key, fallback, file)));
        return 0;
    }
    if (command == "get-int" && args.size() <= 5) {
        int fallback = 0;
        if (args.size() == 5 && !ParseIntArgument(args[4], fallback)) return Usage();
        PrintLine(std::to_string(SettingsFile::ReadInt(section, key, fallback, file)));
        return 0;
    }
    if (command == "set" && args.size() == 5) {
        const auto result = SettingsFile::Write(section, key, TextCodec::FromUtf8(args[4]), file);
        if (result) return 0;
        std::cerr << "keldra-ini: cannot write " << args[1] << ": " << result.Reason() << '\n';
        return 1;
    }
    return Usage();
}

}  // namespace

int main(int argc, char** argv) {
    // Fully buffered, so that the one flush below makes every write and says why it failed.
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    std::vector<std::string> args(argv + 1, argv + argc);
    const int status = Run(args);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        // A full disk or a closed pipe must not look like success.
        std::cerr << "keldra-ini: cannot write the output: " << std::strerror(errno) << '\n';
        return 1;
    }
    return status;
}
