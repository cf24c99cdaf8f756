#pragma once
// The wizard's texts: section "Setup" of the chosen language's Language.ini, one entry per key.
// Platform-neutral, so the value rules are tested natively.
#include "setup_text_keys.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>


// The text and the optional fields a language value may give; each field keeps its flag, so a
// field that an earlier language gave stays when a later one leaves it out.
struct SetupTextEntry {
    std::wstring text; // at most 127 characters
    bool hasUpColour = false;
    uint32_t upColour = 0; // the font colour
    bool hasDownColour = false;
    uint32_t downColour = 0; // kept, not used
    bool hasFontName = false;
    std::wstring fontName; // at most 63 characters
    bool hasFontSize = false;
    int fontSize = 0;
    bool hasLeft = false;
    int left = 0;
    bool hasTop = false;
    int top = 0;
    bool hasWidth = false;
    int width = 0;
    bool hasHeight = false;
    int height = 0;
};

using SetupTexts = std::array<SetupTextEntry, SetupTextKeyCount>;

// Piece 1 of the comma-separated value is the text, pieces 2 to 9 the optional fields, each
// taken only when not empty; a tenth piece and beyond are ignored. Returns the number of the
// first numeric piece (2 to 9) that is not an integer, or 0; that field is left unchanged.
int ApplySetupTextValue(const std::wstring& value, SetupTextEntry& entry);

// A label with this text is hidden: empty or "(null)".
bool HidesLabel(const std::wstring& text);
