#include "layout_keys.h"

namespace {
std::string Narrow(const wchar_t* text) {
    std::string out;
    for (; *text; ++text)
        out += static_cast<char>(*text);
    return out;
}
} // namespace

const std::vector<LayoutKey>& LayoutKeys() {
    static const std::vector<LayoutKey> keys = [] {
        std::vector<LayoutKey> out;
        for (const SkinKey& key : SkinKeys())
            out.push_back({Narrow(key.section), Narrow(key.name), key.kind});
        return out;
    }();
    return keys;
}
