#include "settings/IniDocument.h"

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

    bool HasUnitAt(std::size_t offset) const { return offset + unit_ <= bytes_.size(); }

    unsigned UnitAt(std::size_t offset) const {
        const auto byte = [&](std::size_t i) {
            return static_cast<unsigned char>(bytes_[offset + i]);
        };
        if (unit_ == 1) return byte(0);
        return encoding_ == TextEncoding::Utf16Le ? (byte(0) | byte(1) << 8)
                                                  : (byte(0) << 8 | byte(1));
    }

  private:
    std::string_view bytes_;
    TextEncoding encoding_;
    std::size_t unit_;
};

}  // namespace

// Decodes a line's content up to its first NUL into one reused buffer. ASCII reads the
// same in every encoding the file may have, so an ASCII line is widened unit by unit;
// only a line with other characters goes through the codec.
class IniDocument::LineTextDecoder {
  public:
    explicit LineTextDecoder(TextEncoding encoding)
        : encoding_(encoding), unit_(TextCodec::UnitSize(encoding)) {}

    std::wstring_view Decode(std::string_view content) {
        const UnitReader reader(content, encoding_);
        text_.clear();
        bool ascii = true;
        std::size_t at = 0;
        for (; reader.HasUnitAt(at); at += unit_) {
            const unsigned c = reader.UnitAt(at);
            if (c == 0) break;
            if (c >= 0x80) ascii = false;
            if (ascii) text_.push_back(static_cast<wchar_t>(c));
        }
        if (!ascii) text_ = TextCodec::Decode(content.substr(0, at), encoding_);
        return text_;
    }

  private:
    TextEncoding encoding_;
    std::size_t unit_;
    std::wstring text_;
};

IniDocument IniDocument::Parse(std::string_view bytes, IniReadOptions options) {
    IniDocument document;
    const DetectedEncoding detected = DetectEncoding(bytes, options);
    document.encoding_ = detected.encoding;
    document.source_ = std::string(bytes);
    document.markSize_ = detected.markSize;

    // A stray odd byte at the end of a UTF-16 file is kept, but after everything else, so
    // that lines added behind the last line stay aligned to whole units.
    const std::size_t unit = TextCodec::UnitSize(detected.encoding);
    document.strayTailSize_ = (bytes.size() - detected.markSize) % unit;
    const std::size_t bodyEnd = bytes.size() - document.strayTailSize_;
    const UnitReader reader(std::string_view(document.source_).substr(0, bodyEnd),
                            detected.encoding);
    LineTextDecoder decoder(detected.encoding);
    const auto addLine = [&](std::size_t start, std::size_t contentEnd, std::size_t endingSize) {
        const std::string_view content = bytes.substr(start, contentEnd - start);
        document.lines_.push_back({start, contentEnd - start, static_cast<std::uint8_t>(endingSize),
                                   false, IniLineSyntax::Parse(decoder.Decode(content)).kind, 0});
    };
    std::size_t lineStart = detected.markSize;
    std::size_t at = lineStart;
    while (at < bodyEnd) {
        const unsigned c = reader.UnitAt(at);
        if (c != '\r' && c != '\n') {
            at += unit;
            continue;
        }
        std::size_t endingSize = unit;
        if (c == '\r' && reader.HasUnitAt(at + unit) && reader.UnitAt(at + unit) == '\n')
            endingSize += unit;
        addLine(lineStart, at, endingSize);
        at += endingSize;
        lineStart = at;
    }
    if (lineStart < bodyEnd) addLine(lineStart, bodyEnd, 0);
    return document;
}

std::wstring_view IniDocument::Text(const Line& line, LineTextDecoder& decoder) const {
    if (line.writtenText != 0) return writtenTexts_[line.writtenText - 1];
    return decoder.Decode(Content(line));
}

std::optional<std::size_t> IniDocument::FindSection(std::wstring_view section) const {
    LineTextDecoder decoder(encoding_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != IniLineSyntax::Kind::Section) continue;
        if (SameIniName(IniLineSyntax::Parse(Text(lines_[i], decoder)).name, section)) return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != IniLineSyntax::Kind::Section) ++i;
    return i;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t header, std::wstring_view key) const {
    LineTextDecoder decoder(encoding_);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind != IniLineSyntax::Kind::Key) continue;
        if (SameIniName(IniLineSyntax::Parse(Text(lines_[i], decoder)).name, key)) return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::LastNonBlankLine(std::size_t header) const {
    std::size_t last = header;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind != IniLineSyntax::Kind::Blank) last = i;
    }
    return last;
}

std::optional<std::wstring> IniDocument::Find(std::wstring_view section,
                                              std::wstring_view key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const auto line = FindKey(*header, key);
    if (!line) return std::nullopt;
    LineTextDecoder decoder(encoding_);
    return std::wstring(IniLineSyntax::Parse(Text(lines_[*line], decoder)).value);
}

bool IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    const auto header = FindSection(section);
    if (!header) {
        InsertLine(lines_.size(), L"[" + std::wstring(section) + L"]");
        InsertLine(lines_.size(), std::wstring(key) + L"=" + std::wstring(value));
        return true;
    }
    if (const auto line = FindKey(*header, key)) {
        LineTextDecoder decoder(encoding_);
        const std::wstring text(Text(lines_[*line], decoder));
        const auto syntax = IniLineSyntax::Parse(text);
        if (syntax.value == TrimBlanks(value)) return false;
        // The line keeps its place, its line end and the file's spelling of the key.
        const std::string ending(Ending(lines_[*line]));
        lines_[*line] = WriteLine(std::wstring(syntax.name) + L"=" + std::wstring(value), ending);
        return true;
    }
    // After the section's last non-blank line, so blank separators stay before the next section.
    InsertLine(LastNonBlankLine(*header) + 1, std::wstring(key) + L"=" + std::wstring(value));
    return true;
}

IniDocument::Line IniDocument::WriteLine(std::wstring_view text, std::string_view ending) {
    writtenTexts_.emplace_back(text);
    Line line = StoreLine(TextCodec::Encode(text, encoding_), ending);
    line.kind = IniLineSyntax::Parse(text).kind;
    line.writtenText = static_cast<std::uint32_t>(writtenTexts_.size());
    return line;
}

IniDocument::Line IniDocument::WithEnding(const Line& line, std::string_view ending) {
    const std::string content(Content(line));
    Line changed = StoreLine(content, ending);
    changed.kind = line.kind;
    changed.writtenText = line.writtenText;
    return changed;
}

IniDocument::Line IniDocument::StoreLine(std::string_view content, std::string_view ending) {
    Line line;
    line.start = written_.size();
    line.contentSize = content.size();
    line.endingSize = static_cast<std::uint8_t>(ending.size());
    line.written = true;
    written_ += content;
    written_ += ending;
    return line;
}

std::string IniDocument::AddedLineEnding() const {
    if (!lines_.empty() && lines_.front().endingSize != 0)
        return std::string(Ending(lines_.front()));
    return TextCodec::Encode(L"\r\n", encoding_);
}

void IniDocument::InsertLine(std::size_t position, std::wstring_view text) {
    std::string ending = AddedLineEnding();
    if (position < lines_.size() && lines_[position].contentSize == 0 &&
        ending == TextCodec::Encode(L"\r", encoding_) &&
        Ending(lines_[position]).starts_with(TextCodec::Encode(L"\n", encoding_))) {
        // A lone CR right before a blank LF line would merge the two into one CR LF line end.
        ending = TextCodec::Encode(L"\r\n", encoding_);
    }
    if (position > 0 && lines_[position - 1].endingSize == 0) {
        lines_[position - 1] = WithEnding(lines_[position - 1], ending);
    }
    const Line line = WriteLine(text, ending);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), line);
}

std::string IniDocument::Serialize() const {
    std::size_t size = markSize_ + strayTailSize_;
    for (const Line& line : lines_) size += line.contentSize + line.endingSize;
    std::string bytes;
    bytes.reserve(size);
    bytes.append(source_, 0, markSize_);
    for (const Line& line : lines_) {
        bytes += Store(line).substr(line.start, line.contentSize + line.endingSize);
    }
    bytes.append(source_, source_.size() - strayTailSize_, strayTailSize_);
    return bytes;
}

}  // namespace keldra::settings
