// keldra-ini: reads and writes the game's settings file exactly as the editor does.
#include <cerrno>
#include <charconv>
#include <cstdio>
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

int Run(const std::vector<std::string>& args) {
    if (args.size() < 4) return Usage();
    const std::string& command = args[0];
    const std::wstring file = NativePath::ToWindows(args[1]);  // a Linux path, byte for byte
    const std::wstring section = TextCodec::FromUtf8(args[2]);
    const std::wstring key = TextCodec::FromUtf8(args[3]);

    if (command == "get" && args.size() <= 5) {
        const std::wstring fallback = args.size() == 5 ? TextCodec::FromUtf8(args[4]) : L"";
        std::cout << TextCodec::ToUtf8(SettingsFile::ReadText(section, key, fallback, file))
                  << '\n';
        return 0;
    }
    if (command == "get-int" && args.size() <= 5) {
        int fallback = 0;
        if (args.size() == 5 && !ParseIntArgument(args[4], fallback)) return Usage();
        std::cout << SettingsFile::ReadInt(section, key, fallback, file) << '\n';
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
    std::vector<std::string> args(argv + 1, argv + argc);
    const int status = Run(args);
    std::cout.flush();
    return std::cout.good() ? status : 1;  // a full disk or closed pipe must not look like success
}
