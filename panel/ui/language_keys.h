#pragma once
// Every text key of a language file, in the order the panel reads them, with the label or
// menu item it feeds. The panel's loader and the build's language maker both read these tables.
#include <string>
#include <vector>

struct LanguageKey {
    const wchar_t* section;
    const wchar_t* name;
    const wchar_t* control; // the label (or menu item, "...Menu") it feeds; empty for message texts
    int defaultPage;
};

// The 80 text keys in reading order.
const std::vector<LanguageKey>& LanguageKeys();
// Section GlobalFont's four keys (ColorUp, ColorDown, Font, FontSize), read apart from the others.
const std::vector<LanguageKey>& GlobalFontKeys();
