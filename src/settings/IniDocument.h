#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IniLineSyntax.h"
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
//
// The bytes are kept once, as read; each line is a place in them and what the line means.
// Text is decoded only where a lookup reads it, so a large file costs little more than its
// size, and a lookup or a change takes time in proportion to the file.
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
    // The bytes the document was parsed from, whatever was set since.
    std::string_view SourceBytes() const { return source_; }

    // The exact bytes of each line, for checks that other lines stayed as they were.
    struct RawLine {
        std::string_view content;
        std::string_view ending;
        bool operator==(const RawLine&) const = default;
    };
    std::size_t LineCount() const { return lines_.size(); }
    RawLine LineAt(std::size_t index) const {
        return {Content(lines_[index]), Ending(lines_[index])};
    }

  private:
    class LineTextDecoder;

    // A line's content (bytes before the line end, NULs and all) followed by its line end,
    // in the bytes as read or, for a line this document wrote, in written_.
    struct Line {
        std::size_t start = 0;
        std::size_t contentSize = 0;
        std::uint8_t endingSize = 0;  // 0 for a last line without one
        bool written = false;
        IniLineSyntax::Kind kind = IniLineSyntax::Kind::Blank;
        std::uint32_t writtenText = 0;  // 1 + its index in writtenTexts_ for a line set here
    };

    std::string_view Store(const Line& line) const { return line.written ? written_ : source_; }
    std::string_view Content(const Line& line) const {
        return Store(line).substr(line.start, line.contentSize);
    }
    std::string_view Ending(const Line& line) const {
        return Store(line).substr(line.start + line.contentSize, line.endingSize);
    }
    // The line's text: the decoded content up to its first NUL, or the text a change gave
    // it (which may hold characters the file's encoding cannot).
    std::wstring_view Text(const Line& line, LineTextDecoder& decoder) const;

    std::optional<std::size_t> FindSection(std::wstring_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, std::wstring_view key) const;
    std::size_t LastNonBlankLine(std::size_t header) const;

    // A line this document writes, its bytes added to written_.
    Line WriteLine(std::wstring_view text, std::string_view ending);
    Line WithEnding(const Line& line, std::string_view ending);
    Line StoreLine(std::string_view content, std::string_view ending);
    std::string AddedLineEnding() const;
    void InsertLine(std::size_t position, std::wstring_view text);

    TextEncoding encoding_ = TextEncoding::Windows1252;
    std::string source_;  // the bytes as read: byte-order mark, lines, stray tail
    std::size_t markSize_ = 0;
    std::size_t strayTailSize_ = 0;  // an odd last byte of a UTF-16 file
    std::string written_;            // the bytes of lines changed or added since
    std::vector<std::wstring> writtenTexts_;
    std::vector<Line> lines_;
};

}  // namespace keldra::settings
