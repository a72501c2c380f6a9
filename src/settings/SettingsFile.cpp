#include "settings/SettingsFile.h"

#include <optional>

#include "settings/FileSnapshot.h"
#include "settings/GameFileLocation.h"
#include "settings/ParsedDocumentCache.h"
#include "settings/ProfileValue.h"
#include "settings/SettingsTransaction.h"

namespace keldra::settings {

namespace {

// The settings file and the caption file, each parsed once while it stays unchanged.
ParsedDocumentCache& RecentDocuments() {
    static ParsedDocumentCache documents;
    return documents;
}

std::optional<std::wstring> FindStored(std::wstring_view section, std::wstring_view key,
                                       std::wstring_view path, IniReadOptions options) {
    const FileSnapshot file = FileSnapshot::Take(GameFileLocation::ForReading(path));
    if (file.GetState() != FileSnapshot::State::Read) return std::nullopt;
    return RecentDocuments().Parse(file.Bytes(), options)->Find(section, key);
}

}  // namespace

std::wstring SettingsFile::ReadText(std::wstring_view section, std::wstring_view key,
                                    std::wstring_view fallback, std::wstring_view path,
                                    IniReadOptions options) {
    const auto stored = FindStored(section, key, path, options);
    return stored ? ProfileValue::Text(*stored) : ProfileValue::Default(fallback);
}

int SettingsFile::ReadInt(std::wstring_view section, std::wstring_view key, int fallback,
                          std::wstring_view path) {
    const auto stored = FindStored(section, key, path, {});
    int value = fallback;
    if (stored && ProfileValue::ParseInt(*stored, value)) return value;
    return fallback;
}

SaveResult SettingsFile::Write(std::wstring_view section, std::wstring_view key,
                               std::wstring_view value, std::wstring_view path) {
    SettingsTransaction transaction{std::wstring(path)};
    transaction.Write(section, key, value);
    return transaction.Commit();
}

}  // namespace keldra::settings
