#include "platform/kernel/CommandLineText.h"

namespace keldra::platform {

namespace {

bool NeedsQuotes(std::wstring_view text, std::wstring_view specials) {
    return text.empty() || text.find_first_of(specials) != std::wstring_view::npos;
}

}  // namespace

std::wstring CommandLineText::ProgramName(std::wstring_view name) {
    if (!NeedsQuotes(name, L" \t")) return std::wstring(name);
    return L'"' + std::wstring(name) + L'"';
}

std::wstring CommandLineText::Argument(std::wstring_view argument) {
    if (!NeedsQuotes(argument, L" \t\n\v\"")) return std::wstring(argument);
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count as escapes only before a quote: there each one is doubled and
        // the quote itself escaped; elsewhere they are ordinary characters.
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    // The closing quote follows: backslashes before it are doubled too.
    quoted.append(2 * backslashes, L'\\');
    return quoted + L'"';
}

}  // namespace keldra::platform
