#include "settings/IniDocument.h"

#include "settings/IniLineSyntax.h"
#include "settings/TextCodec.h"

namespace keldra::settings {

namespace {

struct DetectedEncoding {
    TextEncoding encoding;
    std::size_t markSize;
};

DetectedEncoding DetectEncoding(std::string_view bytes, IniReadOptions options) {
    if (bytes.starts_with("\xFF\xFE")) return {TextEncoding::Utf16Le, 2};
    if (bytes.starts_with("\xFE\xFF")) return {TextEncoding::Utf16Be, 2};
    if (bytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::Utf8, 3};
    if (options.recogniseUtf8WithoutBom && TextCodec::IsValidUtf8(bytes)) {
        return {TextEncoding::Utf8, 0};  // pure ASCII reads the same either way
    }
    return {TextEncoding::Windows1252, 0};
}

// Reads code units of one or two bytes, so that line ends and NULs are found in UTF-16
// files as well as in byte-wide ones.
class UnitReader {
  public:
    UnitReader(std::string_view bytes, TextEncoding encoding)
        : bytes_(bytes), encoding_(encoding), unit_(TextCodec::UnitSize(encoding)) {}

    std::size_t UnitSize() const { return unit_; }
    bool HasUnitAt(std::size_t offset) const { return offset + unit_ <= bytes_.size(); }

    unsigned UnitAt(std::size_t offset) const {
        const auto byte = [&](std::size_t i) {
            return static_cast<unsigned char>(bytes_[offset + i]);
        };
        if (unit_ == 1) return byte(0);
        return encoding_ == TextEncoding::Utf16Le ? (byte(0) | byte(1) << 8)
                                                  : (byte(0) << 8 | byte(1));
    }

    // The end of the decodable text in [begin, end): the first NUL unit, or the end.
    std::size_t TextEnd(std::size_t begin, std::size_t end) const {
        std::size_t at = begin;
        for (; at + unit_ <= end; at += unit_) {
            if (UnitAt(at) == 0) return at;
        }
        return at;
    }

  private:
    std::string_view bytes_;
    TextEncoding encoding_;
    std::size_t unit_;
};

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes, IniReadOptions options) {
    IniDocument document;
    const DetectedEncoding detected = DetectEncoding(bytes, options);
    document.encoding_ = detected.encoding;
    document.byteOrderMark_ = std::string(bytes.substr(0, detected.markSize));

    // A stray odd byte at the end of a UTF-16 file is kept, but after everything else, so
    // that lines added behind the last line stay aligned to whole units.
    const std::size_t unit = TextCodec::UnitSize(detected.encoding);
    const std::size_t strayBytes = (bytes.size() - detected.markSize) % unit;
    document.strayTail_ = std::string(bytes.substr(bytes.size() - strayBytes));
    const std::string_view body =
        bytes.substr(detected.markSize, bytes.size() - detected.markSize - strayBytes);
    const UnitReader reader(body, detected.encoding);
    std::size_t lineStart = 0;
    std::size_t at = 0;
    while (at < body.size()) {
        const unsigned c = reader.UnitAt(at);
        if (c != '\r' && c != '\n') {
            at += unit;
            continue;
        }
        std::size_t endingSize = unit;
        if (c == '\r' && reader.HasUnitAt(at + unit) && reader.UnitAt(at + unit) == '\n')
            endingSize += unit;
        const std::size_t contentEnd = at;
        const std::size_t textEnd = reader.TextEnd(lineStart, contentEnd);
        document.lines_.push_back(
            {std::string(body.substr(lineStart, contentEnd - lineStart)),
             std::string(body.substr(at, endingSize)),
             TextCodec::Decode(body.substr(lineStart, textEnd - lineStart), detected.encoding)});
        at += endingSize;
        lineStart = at;
    }
    if (lineStart < body.size()) {
        const std::size_t textEnd = reader.TextEnd(lineStart, body.size());
        document.lines_.push_back(
            {std::string(body.substr(lineStart)),
             {},
             TextCodec::Decode(body.substr(lineStart, textEnd - lineStart), detected.encoding)});
    }
    return document;
}

std::optional<std::size_t> IniDocument::FindSection(std::wstring_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto syntax = IniLineSyntax::Parse(lines_[i].text);
        if (syntax.IsSection() && SameIniName(syntax.name, section)) return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !IniLineSyntax::Parse(lines_[i].text).IsSection()) ++i;
    return i;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t header, std::wstring_view key) const {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto syntax = IniLineSyntax::Parse(lines_[i].text);
        if (syntax.IsKey() && SameIniName(syntax.name, key)) return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::LastNonBlankLine(std::size_t header) const {
    std::size_t last = header;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (!IniLineSyntax::Parse(lines_[i].text).IsBlank()) last = i;
    }
    return last;
}

std::optional<std::wstring> IniDocument::Find(std::wstring_view section,
                                              std::wstring_view key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const auto line = FindKey(*header, key);
    if (!line) return std::nullopt;
    return std::wstring(IniLineSyntax::Parse(lines_[*line].text).value);
}

bool IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    const auto header = FindSection(section);
    if (!header) {
        InsertLine(lines_.size(), L"[" + std::wstring(section) + L"]");
        InsertLine(lines_.size(), std::wstring(key) + L"=" + std::wstring(value));
        return true;
    }
    if (const auto line = FindKey(*header, key)) {
        const auto syntax = IniLineSyntax::Parse(lines_[*line].text);
        if (syntax.value == TrimBlanks(value)) return false;
        // The line keeps its place, its line end and the file's spelling of the key.
        Line replaced = MakeLine(std::wstring(syntax.name) + L"=" + std::wstring(value));
        replaced.ending = lines_[*line].ending;
        lines_[*line] = std::move(replaced);
        return true;
    }
    // After the section's last non-blank line, so blank separators stay before the next section.
    InsertLine(LastNonBlankLine(*header) + 1, std::wstring(key) + L"=" + std::wstring(value));
    return true;
}

IniDocument::Line IniDocument::MakeLine(std::wstring text) const {
    return {TextCodec::Encode(text, encoding_), AddedLineEnding(), std::move(text)};
}

std::string IniDocument::AddedLineEnding() const {
    if (!lines_.empty() && !lines_.front().ending.empty()) return lines_.front().ending;
    return TextCodec::Encode(L"\r\n", encoding_);
}

void IniDocument::InsertLine(std::size_t position, std::wstring text) {
    Line line = MakeLine(std::move(text));
    if (position < lines_.size() && lines_[position].content.empty() &&
        line.ending == TextCodec::Encode(L"\r", encoding_) &&
        lines_[position].ending.starts_with(TextCodec::Encode(L"\n", encoding_))) {
        // A lone CR right before a blank LF line would merge the two into one CR LF line end.
        line.ending = TextCodec::Encode(L"\r\n", encoding_);
    }
    if (position > 0 && lines_[position - 1].ending.empty())
        lines_[position - 1].ending = line.ending;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), std::move(line));
}

std::string IniDocument::Serialize() const {
    std::size_t size = byteOrderMark_.size();
    for (const Line& line : lines_) size += line.content.size() + line.ending.size();
    size += strayTail_.size();
    std::string bytes;
    bytes.reserve(size);
    bytes += byteOrderMark_;
    for (const Line& line : lines_) {
        bytes += line.content;
        bytes += line.ending;
    }
    bytes += strayTail_;
    return bytes;
}

}  // namespace keldra::settings
