#include "text_measure.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>

struct TextMeasure::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

TextMeasure::TextMeasure() : impl_(new Impl) {}

TextMeasure::~TextMeasure() {
    if (impl_->face) FT_Done_Face(impl_->face);
    if (impl_->library) FT_Done_FreeType(impl_->library);
}

bool TextMeasure::Open(const std::string& fontFile, std::string& error) {
    if (!impl_->library && FT_Init_FreeType(&impl_->library) != 0) {
        error = "the font library cannot start";
        return false;
    }
    if (FT_New_Face(impl_->library, fontFile.c_str(), 0, &impl_->face) != 0) {
        error = fontFile + ": not a readable font";
        return false;
    }
    return true;
}

bool TextMeasure::Measure(const std::u32string& text, int points, TextMetrics& metrics,
                          std::string& error) {
    FT_Face face = impl_->face;
    const int pixels = (points * 96 + 36) / 72;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) != 0) {
        error = "the font has no size " + std::to_string(pixels);
        return false;
    }
    metrics = TextMetrics();
    bool ideographic = false;
    for (char32_t c : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (glyph == 0) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            error = std::string("the font has no character ") + code;
            return false;
        }
        if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) {
            error = "a glyph cannot be loaded";
            return false;
        }
        // Renderers round a glyph's advance differently (hinted widths, embedded bitmaps, the
        // outline's advance rounded up); the larger of the rounded hinted advance and the rounded
        // up outline advance is never narrower than what they draw.
        const double outline = face->glyph->linearHoriAdvance / 65536.0;
        const int hinted = static_cast<int>((face->glyph->advance.x + 32) >> 6);
        metrics.width += std::max(hinted, static_cast<int>(std::ceil(outline - 1e-6)));
        ideographic = ideographic || c >= 0x2E80;
    }
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double scale = static_cast<double>(pixels) / face->units_per_EM;
    const double ascent = os2 ? os2->usWinAscent : face->ascender;
    const double descent = os2 ? os2->usWinDescent : -face->descender;
    metrics.ascent = static_cast<int>(std::lround(ascent * scale));
    metrics.descent = static_cast<int>(std::lround(descent * scale));

    // The optical middle: of the capitals for Latin writing, of the ideographs for Chinese.
    const char32_t reference = ideographic ? U'\u4E2D' : U'H';
    double middleAboveBaseline = pixels * 0.36;
    if (FT_Load_Char(face, reference, FT_LOAD_DEFAULT) == 0) {
        const double top = face->glyph->metrics.horiBearingY / 64.0;
        const double bottom = top - face->glyph->metrics.height / 64.0;
        middleAboveBaseline = (top + bottom) / 2;
    }
    metrics.middle = metrics.ascent - middleAboveBaseline;
    return true;
}
