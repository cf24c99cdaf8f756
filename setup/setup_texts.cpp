#include "setup_texts.h"

#include "int_conversions.h"
#include "text_helpers.h"

#include <vector>


namespace {

const size_t kTextLength = 127;
const size_t kFontNameLength = 63;

struct NumericField {
    size_t piece; // 1-based, as the value's fields are numbered
    bool SetupTextEntry::*given;
    int SetupTextEntry::*value;
};

const NumericField kNumericFields[] = {
    {5, &SetupTextEntry::hasFontSize, &SetupTextEntry::fontSize},
    {6, &SetupTextEntry::hasLeft, &SetupTextEntry::left},
    {7, &SetupTextEntry::hasTop, &SetupTextEntry::top},
    {8, &SetupTextEntry::hasWidth, &SetupTextEntry::width},
    {9, &SetupTextEntry::hasHeight, &SetupTextEntry::height},
};

} // namespace

int ApplySetupTextValue(const std::wstring& value, SetupTextEntry& entry) {
    std::vector<std::wstring> pieces;
    SplitByComma(value, pieces);
    pieces.resize(9); // missing pieces read as empty ones
    int firstBad = 0;
    auto bad = [&](size_t piece) {
        if (!firstBad) firstBad = static_cast<int>(piece);
    };
    entry.text = pieces[0].substr(0, kTextLength);
    auto colour = [&](size_t piece, bool& given, uint32_t& target) {
        if (pieces[piece - 1].empty()) return;
        int number = 0;
        if (!TryStrictToInt(pieces[piece - 1], number)) return bad(piece);
        target = static_cast<uint32_t>(number);
        given = true;
    };
    colour(2, entry.hasUpColour, entry.upColour);
    colour(3, entry.hasDownColour, entry.downColour);
    if (!pieces[3].empty()) {
        entry.fontName = pieces[3].substr(0, kFontNameLength);
        entry.hasFontName = true;
    }
    for (const NumericField& field : kNumericFields) {
        const std::wstring& piece = pieces[field.piece - 1];
        if (piece.empty()) continue;
        int number = 0;
        if (!TryStrictToInt(piece, number)) {
            bad(field.piece);
            continue;
        }
        entry.*field.value = number;
        entry.*field.given = true;
    }
    return firstBad;
}

bool HidesLabel(const std::wstring& text) {
    return text.empty() || text == L"(null)";
}
