#include "KeldraIni.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "IniArgument.h"
#include "settings/SettingsFile.h"
#include "settings/TextCodec.h"

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

// The section, key and value or default as characters. One that is not well-formed has no
// characters to store or compare: it is refused rather than guessed at, before the file is
// read; nothing then.
std::optional<std::vector<std::wstring>> TextArguments(const std::vector<IniArgument>& args,
                                                       const std::string& command) {
    const std::string_view last = command == "set" ? "VALUE" : "DEFAULT";
    const std::string_view names[] = {"SECTION", "KEY", last};
    std::vector<std::wstring> texts;
    for (std::size_t i = 2; i < args.size(); ++i) {
        auto text = args[i].Text();
        if (!text) {
            std::cerr << "keldra-ini: " << names[i - 2] << " is not valid "
                      << IniArgument::kEncoding << "\n";
            return std::nullopt;
        }
        texts.push_back(std::move(*text));
    }
    return texts;
}

void PrintLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

int Run(const std::vector<IniArgument>& args) {
    if (args.size() < 4 || args.size() > 5) return Usage();
    const std::string command = args[0].Shown();
    const auto texts = TextArguments(args, command);
    if (!texts) return kUsageError;
    const std::wstring file = args[1].FileName();
    const std::wstring& section = (*texts)[0];
    const std::wstring& key = (*texts)[1];

    if (command == "get" && args.size() <= 5) {
        const std::wstring fallback = args.size() == 5 ? (*texts)[2] : L"";
        PrintLine(TextCodec::ToUtf8(SettingsFile::ReadText(section, key, fallback, file)));
        return 0;
    }
    if (command == "get-int" && args.size() <= 5) {
        int fallback = 0;
        if (args.size() == 5 && !ParseIntArgument(args[4].Shown(), fallback)) return Usage();
        PrintLine(std::to_string(SettingsFile::ReadInt(section, key, fallback, file)));
        return 0;
    }
    if (command == "set" && args.size() == 5) {
        const auto result = SettingsFile::Write(section, key, (*texts)[2], file);
        if (result) return 0;
        std::cerr << "keldra-ini: cannot write " << args[1].Shown() << ": " << result.Reason()
                  << '\n';
        return 1;
    }
    return Usage();
}

}  // namespace

int KeldraIni::Main(keldra::launch::ProgramArguments arguments) {
    // Fully buffered, so that the one flush below makes every write and says why it failed.
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    const std::vector<IniArgument> args(arguments.begin(), arguments.end());
    const int status = Run(args);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        // A full disk or a closed pipe must not look like success.
        std::cerr << "keldra-ini: cannot write the output: " << std::strerror(errno) << '\n';
        return 1;
    }
    return status;
}
