// Feeds arbitrary language files to the language loader: every field it keeps is one a label
// can use, and resolving an item's look at the usual resolutions stays within range.
#include "fuzz_text.h"
#include "ini_text_reader.h"
#include "ui/language_texts.h"
#include "ui/value_fields.h"

namespace {
volatile int g_sink;

bool In(NumberKind kind, long long value) {
    return InWindowRange(kind, value);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const bool oldVersion = size > 0 && (data[0] & 1);
    const std::wstring text = size > 0 ? FuzzText(data + 1, size - 1) : std::wstring();
    LanguageTexts texts;
    LoadLanguage(IniText(text), oldVersion, texts);

    Require(texts.items.size() == LanguageKeys().size());
    Require(texts.GlobalUpColour <= 0xFFFFFF && texts.GlobalDownColour <= 0xFFFFFF);
    Require(texts.GlobalFontSize == -1 || In(NumberKind::FontSize, texts.GlobalFontSize));
    Require(texts.GlobalFontName.size() <= 63);
    for (TextItem& item : texts.items) {
        Require(item.Text.size() <= 127 && item.FontName.size() <= 63);
        Require(item.HasFontName == !item.FontName.empty());
        Require(!item.HasUpColour || item.UpColour <= 0xFFFFFF);
        Require(!item.HasDownColour || item.DownColour <= 0xFFFFFF);
        Require(!item.HasFontSize || In(NumberKind::FontSize, item.FontSize));
        Require(!item.HasLeft || In(NumberKind::Position, item.Left));
        Require(!item.HasTop || In(NumberKind::Position, item.Top));
        Require(!item.HasWidth || In(NumberKind::Extent, item.Width));
        Require(!item.HasHeight || In(NumberKind::Extent, item.Height));
        g_sink = item.Left + item.Width;
        g_sink = item.Top + item.Height;
        for (int dpi : {96, 120, 144, 192}) {
            const TextItemLook look = ResolveTextItem(item, dpi == 120, texts, dpi, dpi != 192);
            Require(!look.hasColour || look.colour <= 0xFFFFFF);
            if (look.hasFontSize) Require(look.fontSize >= 0 && look.fontSize <= kMaxFontPoints);
        }
    }
    return 0;
}
