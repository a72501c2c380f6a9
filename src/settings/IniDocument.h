#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/TextEncoding.h"

namespace keldra::settings {

struct IniReadOptions {
    // Caption files come from translators: without a byte-order mark, well-formed UTF-8
    // is taken as UTF-8 there. The game's settings file is always Windows-1252 without one.
    bool recogniseUtf8WithoutBom = false;
};

// An INI file held as its exact bytes, line by line, so that a change touches only the
// line it changes: every other byte (line ends, blanks, comments, unknown lines, bytes
// that do not decode) is written back as it was read.
class IniDocument {
  public:
    // A file that does not exist yet: Windows-1252, no byte-order mark, CR LF line ends.
    IniDocument() = default;
    static IniDocument Parse(std::string_view bytes, IniReadOptions options = {});

    // The trimmed value of the first matching key in the first matching section, quotes
    // still on; nothing when the section or key is missing.
    std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;

    // Makes the file hold KEY=value in the section. Returns false when the key already
    // held that value (compared trimmed) and nothing changed.
    bool Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    std::string Serialize() const;
    TextEncoding Encoding() const { return encoding_; }

    // The exact bytes of each line, for checks that other lines stayed as they were.
    struct RawLine {
        std::string_view content;
        std::string_view ending;
        bool operator==(const RawLine&) const = default;
    };
    std::size_t LineCount() const { return lines_.size(); }
    RawLine LineAt(std::size_t index) const {
        return {lines_[index].content, lines_[index].ending};
    }

  private:
    struct Line {
        std::string content;  // bytes before the line end, NULs and all
        std::string ending;   // the line end's bytes, empty for a last line without one
        std::wstring text;    // decoded content up to the first NUL
    };

    std::optional<std::size_t> FindSection(std::wstring_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, std::wstring_view key) const;
    std::size_t LastNonBlankLine(std::size_t header) const;

    Line MakeLine(std::wstring text) const;
    std::string AddedLineEnding() const;
    void InsertLine(std::size_t position, std::wstring text);

    TextEncoding encoding_ = TextEncoding::Windows1252;
    std::string byteOrderMark_;
    std::vector<Line> lines_;
    std::string strayTail_;  // an odd last byte of a UTF-16 file
};

}  // namespace keldra::settings
