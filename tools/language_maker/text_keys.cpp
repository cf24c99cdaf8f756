#include "text_keys.h"

#include "setup_text_keys.h"
#include "ui/language_keys.h"

namespace {

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (; *text; ++text)
        out += static_cast<char>(*text);
    return out;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}


} // namespace

const std::vector<TextKey>& TextKeys() {
    static const std::vector<TextKey> keys = [] {
        std::vector<TextKey> out;
        for (const LanguageKey& key : GlobalFontKeys())
            out.push_back({Narrow(key.section), Narrow(key.name), -1});
        for (const LanguageKey& key : LanguageKeys()) {
            const std::string control = Narrow(key.control);
            const bool label = !control.empty() && !EndsWith(control, "Menu");
            out.push_back({Narrow(key.section), Narrow(key.name), label ? key.defaultPage : -1});
        }
        // The setup program reads its texts from the same files.
        for (const wchar_t* name : kSetupTextKeyNames)
            out.push_back({"Setup", Narrow(name), -1});
        return out;
    }();
    return keys;
}
