#pragma once
// A language file: for each text key the words, two colours, the font and optionally the
// label's geometry and page; and the global defaults of section GlobalFont.
// Platform-neutral: the values come through a ProfileReader.
#include "ui/language_keys.h"
#include "ui/profile_reader.h"

#include <cstdint>
#include <string>
#include <vector>

struct TextItem {
    std::wstring Text; // empty or "(null)": the label is hidden
    uint32_t UpColour = 0;
    uint32_t DownColour = 0;
    std::wstring FontName;
    int FontSize = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Page = 0;
    bool HasUpColour = false;
    bool HasDownColour = false;
    bool HasFontName = false;
    bool HasFontSize = false;
    bool HasLeft = false;
    bool HasTop = false;
    bool HasWidth = false;
    bool HasHeight = false;
};

struct LanguageTexts {
    std::vector<TextItem> items; // parallel to LanguageKeys()
    uint32_t GlobalUpColour = 0;
    uint32_t GlobalDownColour = 0;
    std::wstring GlobalFontName;
    int GlobalFontSize = -1;

    // The item of a key name (the first key of that name), or null.
    TextItem* Find(const std::wstring& name);
    const TextItem* Find(const std::wstring& name) const;
};

// Clears texts and fills it. A numeric field that is not a valid integer counts as not given
// (and is reported in the debug output). Colours are decimal, or hexadecimal after "$" or "0x".
void LoadLanguage(const ProfileReader& file, bool oldVersion, LanguageTexts& texts);

// The size a point size takes on this screen: 96 dpi 1.0 (older systems 0.9), 120 dpi 0.8
// (0.72), 144 dpi 0.6664, rounded to the nearest whole size; other resolutions unchanged.
int ScaledFontSize(int points, int dpi, bool vistaOrLater);

// What one item gives its label at a screen resolution (ApplyTextItem applies it). The item
// takes the global colours it lacks first, so that later presses and releases use them.
struct TextItemLook {
    bool visible = false; // the text is neither empty nor "(null)"
    bool hasColour = false;
    uint32_t colour = 0; // the up or down colour, the item's own or the global one
    bool hasFontName = false;
    std::wstring fontName;
    bool hasFontSize = false;
    int fontSize = 0; // scaled for the screen
};
TextItemLook ResolveTextItem(TextItem& item, bool useUpColour, const LanguageTexts& texts, int dpi,
                             bool vistaOrLater);
