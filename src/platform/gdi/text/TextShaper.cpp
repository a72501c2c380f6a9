#include "platform/gdi/text/TextShaper.h"

#include <fribidi.h>
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace keldra::platform::gdi {

struct TextShaper::Run {
    int start = 0;
    int length = 0;
    int level = 0;  // odd: right to left
    hb_script_t script = HB_SCRIPT_COMMON;
    const FontFace* face = nullptr;
};

namespace {

struct BufferDeleter {
    void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};
using Buffer = std::unique_ptr<hb_buffer_t, BufferDeleter>;

bool TakesNeighbourScript(hb_script_t script) {
    return script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED ||
           script == HB_SCRIPT_UNKNOWN;
}

// Windows draws these scripts one character after another, without kerning or ligatures.
bool DrawnUnshaped(hb_script_t script) {
    switch (script) {
        case HB_SCRIPT_LATIN:
        case HB_SCRIPT_GREEK:
        case HB_SCRIPT_CYRILLIC:
        case HB_SCRIPT_HAN:
        case HB_SCRIPT_HANGUL:
        case HB_SCRIPT_HIRAGANA:
        case HB_SCRIPT_KATAKANA:
        case HB_SCRIPT_BOPOMOFO:
        case HB_SCRIPT_COMMON:
        case HB_SCRIPT_INHERITED:
        case HB_SCRIPT_UNKNOWN:
            return true;
        default:
            return false;
    }
}

// The embedding level of each character by the Unicode bidirectional algorithm.
std::vector<int> BidiLevels(std::u32string_view line, bool rightToLeft) {
    const auto count = static_cast<FriBidiStrIndex>(line.size());
    const std::vector<FriBidiChar> chars(line.begin(), line.end());
    std::vector<FriBidiCharType> types(line.size());
    std::vector<FriBidiBracketType> brackets(line.size());
    std::vector<FriBidiLevel> levels(line.size());
    fribidi_get_bidi_types(chars.data(), count, types.data());
    fribidi_get_bracket_types(chars.data(), count, types.data(), brackets.data());
    FriBidiParType direction = rightToLeft ? FRIBIDI_PAR_RTL : FRIBIDI_PAR_LTR;
    const bool ordered = fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), count,
                                                             &direction, levels.data()) != 0;
    std::vector<int> result(line.size(), rightToLeft ? 1 : 0);
    if (ordered) std::copy(levels.begin(), levels.end(), result.begin());
    return result;
}

// The script of each character; spaces, digits, punctuation and combining marks take the
// script of the text before them (or after them, at the start).
std::vector<hb_script_t> Scripts(std::u32string_view line) {
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    std::vector<hb_script_t> scripts(line.size());
    hb_script_t last = HB_SCRIPT_INVALID;
    for (std::size_t i = 0; i < line.size(); ++i) {
        scripts[i] = hb_unicode_script(unicode, line[i]);
        if (!TakesNeighbourScript(scripts[i])) {
            last = scripts[i];
        } else if (last != HB_SCRIPT_INVALID) {
            scripts[i] = last;
        }
    }
    hb_script_t next = HB_SCRIPT_INVALID;
    for (std::size_t i = line.size(); i-- > 0;) {
        if (!TakesNeighbourScript(scripts[i])) {
            next = scripts[i];
        } else if (next != HB_SCRIPT_INVALID) {
            scripts[i] = next;
        }
    }
    return scripts;
}

// A character that a left-to-right line can show as it is, one glyph at its own advance:
// written left to right (or neutral), in a script drawn unshaped, and not a mark.
bool ShownAsItIs(char32_t c, hb_unicode_funcs_t* unicode) {
    const FriBidiCharType type = fribidi_get_bidi_type(c);
    if (FRIBIDI_IS_RTL(type) || FRIBIDI_IS_ARABIC(type) || FRIBIDI_IS_EXPLICIT(type) ||
        FRIBIDI_IS_ISOLATE(type) || type == FRIBIDI_TYPE_NSM) {
        return false;
    }
    switch (hb_unicode_general_category(unicode, c)) {
        case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
        case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
        case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
            return false;
        default:
            return DrawnUnshaped(hb_unicode_script(unicode, c));
    }
}

int Pixels(hb_position_t position) {
    return static_cast<int>(std::lround(position / 64.0));
}

// Runs in visual order: from the highest level down to the lowest odd one, every stretch of
// runs at that level or higher is reversed.
template <typename Run>
void ReorderRuns(std::vector<Run>& runs) {
    if (runs.empty()) return;
    int highest = 0;
    int lowestOdd = 1000;
    for (const Run& run : runs) {
        highest = std::max(highest, run.level);
        if (run.level % 2 == 1) lowestOdd = std::min(lowestOdd, run.level);
    }
    for (int level = highest; level >= lowestOdd; --level) {
        for (auto begin = runs.begin(); begin != runs.end();) {
            if (begin->level < level) {
                ++begin;
                continue;
            }
            auto end =
                std::find_if(begin, runs.end(), [&](const Run& r) { return r.level < level; });
            std::reverse(begin, end);
            begin = end;
        }
    }
}

}  // namespace

TextShaper::~TextShaper() {
    for (auto& [face, font] : harfBuzzFonts_) hb_font_destroy(font);
}

std::vector<ShapedGlyph> TextShaper::Shape(std::u32string_view line, bool rightToLeft) {
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    const bool asItIs = !rightToLeft && std::all_of(line.begin(), line.end(), [&](char32_t c) {
        return ShownAsItIs(c, unicode);
    });
    // The common case, and the quick one: what shaping would give without features.
    if (asItIs) return OneGlyphPerCharacter(line);
    std::vector<Run> runs = Itemize(line, rightToLeft);
    ReorderRuns(runs);
    std::vector<ShapedGlyph> glyphs;
    for (const Run& run : runs) ShapeRun(line, run, glyphs);
    return glyphs;
}

std::vector<ShapedGlyph> TextShaper::OneGlyphPerCharacter(std::u32string_view line) {
    std::vector<ShapedGlyph> glyphs;
    glyphs.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const FontFace& face = fonts_.FaceFor(line[i]);
        glyphs.push_back({&face, FT_Get_Char_Index(face.Handle(), line[i]), static_cast<int>(i),
                          fonts_.Advance(line[i]), 0, 0, line[i] >= U' '});
    }
    return glyphs;
}

std::vector<TextShaper::Run> TextShaper::Itemize(std::u32string_view line, bool rightToLeft) {
    const std::vector<int> levels = BidiLevels(line, rightToLeft);
    const std::vector<hb_script_t> scripts = Scripts(line);
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    std::vector<Run> runs;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const FontFace* face = &fonts_.FaceFor(line[i]);
        // A combining mark stays with its base's face, which positions it over the base.
        const bool mark = hb_unicode_general_category(unicode, line[i]) ==
                          HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK;
        if (mark && !runs.empty() && runs.back().face->HasCharacter(line[i])) {
            face = runs.back().face;
        }
        if (!runs.empty() && runs.back().level == levels[i] && runs.back().script == scripts[i] &&
            runs.back().face == face) {
            ++runs.back().length;
            continue;
        }
        runs.push_back({static_cast<int>(i), 1, levels[i], scripts[i], face});
    }
    return runs;
}

void TextShaper::ShapeRun(std::u32string_view line, const Run& run, std::vector<ShapedGlyph>& out) {
    const Buffer buffer(hb_buffer_create());
    hb_buffer_add_utf32(buffer.get(), reinterpret_cast<const std::uint32_t*>(line.data()),
                        static_cast<int>(line.size()), static_cast<unsigned>(run.start),
                        run.length);
    hb_buffer_set_direction(buffer.get(), run.level % 2 == 1 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer.get(), run.script);
    hb_buffer_guess_segment_properties(buffer.get());
    static const hb_feature_t kPlain[] = {
        {HB_TAG('k', 'e', 'r', 'n'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
        {HB_TAG('l', 'i', 'g', 'a'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
        {HB_TAG('c', 'l', 'i', 'g'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    };
    const bool plain = DrawnUnshaped(run.script);
    hb_shape(HarfBuzzFont(*run.face), buffer.get(), plain ? kPlain : nullptr,
             plain ? std::size(kPlain) : 0);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
    for (unsigned i = 0; i < count; ++i) {
        const auto cluster = static_cast<int>(infos[i].cluster);
        // Control characters (a tab in a caption, say) show nothing rather than a box.
        if (line[static_cast<std::size_t>(cluster)] < U' ') {
            out.push_back({run.face, infos[i].codepoint, cluster, 0, 0, 0, false});
            continue;
        }
        out.push_back({run.face, infos[i].codepoint, cluster, Pixels(positions[i].x_advance),
                       Pixels(positions[i].x_offset), Pixels(positions[i].y_offset), true});
    }
}

hb_font_t* TextShaper::HarfBuzzFont(const FontFace& face) {
    auto found = harfBuzzFonts_.find(&face);
    if (found != harfBuzzFonts_.end()) return found->second;
    hb_font_t* font = hb_ft_font_create_referenced(face.Handle());
    // Hinted, as the glyphs are drawn: advances come out in whole pixels as they do today.
    hb_ft_font_set_load_flags(font, FT_LOAD_DEFAULT);
    return harfBuzzFonts_.emplace(&face, font).first->second;
}

}  // namespace keldra::platform::gdi
