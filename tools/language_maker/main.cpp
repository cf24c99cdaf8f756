// Writes the language files of the package: one Language.ini (UTF-16 with its byte-order mark,
// which the platform's profile functions need for non-Latin text) per language and screen-size
// class, with every label's text, colours, font, size, position and page.
//
// Usage: language_maker <source folder> <language root> <default language> <face>=<font file>...
//   <source folder>/labels.ini      where each label stands at 1366x768 and how it is written
//   <source folder>/<Folder>.txt    the texts of one language (UTF-8); the name is its folder's
// Texts are measured with the font files given for each face, so that labels are centred where
// the layout asks for it and a text too long for its place stops the build.
#include "text_keys.h"
#include "source_text.h"
#include "text_measure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool g_failed = false;

void Fail(const std::string& message) {
    std::fprintf(stderr, "language_maker: %s\n", message.c_str());
    g_failed = true;
}

struct Role {
    double size = 9;
    std::string up; // "#RRGGBB", empty: the global colour
    std::string down;
    bool live = false; // the panel replaces the text at run time: the box takes the whole room
};

enum class Anchor { Left, Centre, Right };

struct Slot {
    std::string kind; // a role name, "text" (a text without a label) or "hidden"
    Anchor anchor = Anchor::Left;
    double x = 0, middle = 0, room = 0;
    int page = -1; // -1: the key's own
    int line = 0;
};

struct Language {
    std::string folder;
    std::string face;
    int minimumSize = 7;
    double sizeBoost = 0;
    std::map<std::string, std::string> texts; // "Section/Key" -> UTF-8 text
};

std::string Id(const std::string& section, const std::string& key) {
    return section + "/" + key;
}

bool DecodeUtf8(const std::string& in, std::u32string& out) {
    out.clear();
    for (size_t i = 0; i < in.size();) {
        const unsigned char c = static_cast<unsigned char>(in[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= in.size()) return false;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(in[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return true;
}

void AppendUtf16(const std::u32string& text, std::string& bytes) {
    auto unit = [&bytes](unsigned u) {
        bytes.push_back(static_cast<char>(u & 0xFF));
        bytes.push_back(static_cast<char>(u >> 8));
    };
    for (char32_t c : text) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(static_cast<unsigned>(c));
        }
    }
}

size_t Utf16Length(const std::u32string& text) {
    size_t n = 0;
    for (char32_t c : text)
        n += c >= 0x10000 ? 2 : 1;
    return n;
}

// "#RRGGBB" as the file's colour form 0x00BBGGRR.
bool ColourValue(const std::string& hex, std::string& out) {
    if (hex.size() != 7 || hex[0] != '#') return false;
    for (size_t i = 1; i < 7; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(hex[i]))) return false;
    std::string bgr = hex.substr(5, 2) + hex.substr(3, 2) + hex.substr(1, 2);
    std::transform(bgr.begin(), bgr.end(), bgr.begin(), ::toupper);
    out = "0x" + bgr;
    return true;
}

bool ReadLabels(const fs::path& file, std::map<std::string, Role>& roles,
                std::map<std::string, std::string>& global, std::map<std::string, Slot>& slots) {
    std::vector<IniEntry> entries;
    std::string error;
    if (!ReadIniSource(file.string(), entries, error)) {
        Fail(error);
        return false;
    }
    for (const IniEntry& e : entries) {
        const std::string where = file.string() + ":" + std::to_string(e.line) + ": ";
        const std::vector<std::string> f = SplitFields(e.value, ',');
        if (e.section == "Roles") {
            Role role;
            const bool shaped = f.size() == 3 || f.size() == 4;
            role.size = shaped ? std::atof(f[0].c_str()) : 0;
            role.up = shaped ? Trim(f[1]) : "";
            role.down = shaped ? Trim(f[2]) : "";
            role.live = f.size() == 4 && Trim(f[3]) == "live";
            std::string ignored;
            if (!shaped || role.size <= 0 || (f.size() == 4 && !role.live) ||
                (!role.up.empty() && !ColourValue(role.up, ignored)) ||
                (!role.down.empty() && !ColourValue(role.down, ignored)))
                Fail(where + "a role is: size, up colour, down colour (#RRGGBB or empty)[, live]");
            roles[e.key] = role;
            continue;
        }
        if (e.section == "GlobalFont") {
            global[e.key] = e.value;
            continue;
        }
        Slot slot;
        slot.line = e.line;
        slot.kind = Trim(f[0]);
        if (slot.kind != "text" && slot.kind != "hidden") {
            if (f.size() < 5 || f.size() > 6) {
                Fail(where + "expected role, left|centre|right, x, middle y, room[, page]");
                continue;
            }
            const std::string anchor = Trim(f[1]);
            slot.anchor = anchor == "centre"  ? Anchor::Centre
                          : anchor == "right" ? Anchor::Right
                                              : Anchor::Left;
            if (anchor != "left" && anchor != "centre" && anchor != "right")
                Fail(where + "the anchor is left, centre or right");
            slot.x = std::atof(f[2].c_str());
            slot.middle = std::atof(f[3].c_str());
            slot.room = std::atof(f[4].c_str());
            if (f.size() == 6) slot.page = std::atoi(f[5].c_str());
        }
        if (!slots.emplace(Id(e.section, e.key), slot).second) Fail(where + e.key + " given twice");
    }
    return !g_failed;
}

bool ReadLanguage(const fs::path& file, Language& language) {
    std::vector<IniEntry> entries;
    std::string error;
    if (!ReadIniSource(file.string(), entries, error)) {
        Fail(error);
        return false;
    }
    language.folder = file.stem().string();
    for (const IniEntry& e : entries) {
        if (e.section == "Language") {
            if (e.key == "Face")
                language.face = e.value;
            else if (e.key == "MinimumSize")
                language.minimumSize = std::atoi(e.value.c_str());
            else if (e.key == "SizeBoost")
                language.sizeBoost = std::atof(e.value.c_str());
            else
                Fail(file.string() + ":" + std::to_string(e.line) + ": unknown setting " + e.key);
            continue;
        }
        if (!language.texts.emplace(Id(e.section, e.key), e.value).second)
            Fail(file.string() + ":" + std::to_string(e.line) + ": " + e.key + " given twice");
    }
    if (language.face.empty()) Fail(file.string() + ": no Face in [Language]");
    return !g_failed;
}

int FontSize(double base, const Language& language, double scale) {
    return std::max(language.minimumSize,
                    static_cast<int>(std::lround((base + language.sizeBoost) * scale)));
}

std::string MakeFile(const Language& language, const ResolutionClass& rc,
                     const std::map<std::string, Role>& roles,
                     const std::map<std::string, std::string>& global,
                     const std::map<std::string, Slot>& slots, TextMeasure& measure) {
    const std::string where =
        language.folder + " at " + (rc.folder[0] ? rc.folder : "the plain folder");
    std::u32string out;
    auto add = [&out](const std::string& utf8) {
        std::u32string decoded;
        DecodeUtf8(utf8, decoded);
        out += decoded;
    };
    add(std::string("; Texts of the panel in ") + language.folder + " for the " +
        (rc.folder[0] ? rc.folder : "default") + " screen class; made at build time from " +
        "package/languages.\r\n; Labels: text, up colour, down colour, font, size, left, top, " +
        "width, height, page.\r\n");

    const Role& labelRole = roles.at("label");
    // Each section once, in the order of first appearance: the profile reader sees only the
    // first of two sections with the same name.
    std::vector<std::string> sections;
    for (const TextKey& key : TextKeys())
        if (std::find(sections.begin(), sections.end(), key.section) == sections.end())
            sections.push_back(key.section);
    for (const std::string& section : sections) {
        add("\r\n[" + section + "]\r\n");
        for (const TextKey& key : TextKeys()) {
            if (section != key.section) continue;
            const std::string id = Id(key.section, key.name);
            if (section == "GlobalFont") {
                std::string value;
                if (key.name == "Font") {
                    value = language.face;
                } else if (key.name == "FontSize") {
                    value = std::to_string(FontSize(labelRole.size, language, rc.scale));
                } else if (!ColourValue(global.count(key.name) ? global.at(key.name) : "", value)) {
                    Fail("labels.ini: [GlobalFont] " + std::string(key.name) + " needs #RRGGBB");
                }
                add(std::string(key.name) + "=" + value + "\r\n");
                continue;
            }
            const auto textFound = language.texts.find(id);
            std::u32string text;
            if (textFound != language.texts.end() && !DecodeUtf8(textFound->second, text))
                Fail(where + ": " + id + " is not UTF-8");
            if (text.find(U',') != std::u32string::npos)
                Fail(where + ": " + id + " holds a comma, which would split the value");
            if (Utf16Length(text) > 127) Fail(where + ": " + id + " is longer than 127 characters");

            const bool setup = section == "Setup";
            const auto slotFound = slots.find(id);
            if (!setup && slotFound == slots.end()) {
                Fail("labels.ini: no place for " + id);
                continue;
            }
            if (setup || slotFound->second.kind == "text") {
                if (text.empty()) Fail(where + ": no text for " + id);
                add(std::string(key.name) + "=");
                out += text;
                add("\r\n");
                continue;
            }
            const Slot& slot = slotFound->second;
            if (slot.kind == "hidden") {
                if (!text.empty()) Fail(where + ": " + id + " has a text but its label is hidden");
                add(std::string(key.name) + "=\r\n");
                continue;
            }
            if (text.empty()) {
                Fail(where + ": no text for " + id);
                continue;
            }
            const auto roleFound = roles.find(slot.kind);
            if (roleFound == roles.end()) {
                Fail("labels.ini:" + std::to_string(slot.line) + ": no role " + slot.kind);
                continue;
            }
            const Role& role = roleFound->second;
            const int size = FontSize(role.size, language, rc.scale);
            TextMetrics m;
            std::string error;
            if (!measure.Measure(text, size, m, error)) {
                Fail(where + ": " + id + ": " + error);
                continue;
            }
            const double room = slot.room * rc.scale;
            if (m.width > room) {
                Fail(where + ": " + id + " is " + std::to_string(m.width) + " pixels wide at " +
                     std::to_string(size) + " points; its place holds " +
                     std::to_string(int(room)));
            }
            // A tight box, so that the text stands where the layout wants it whatever the label's
            // alignment; two pixels spare for rounding differences of the platform's renderer. A
            // label whose text the panel replaces keeps its box, so it gets the whole room.
            const int width = role.live ? static_cast<int>(room) : m.width + 2;
            const int height = m.ascent + m.descent;
            const double x = slot.x * rc.scale;
            const int left =
                static_cast<int>(std::lround(slot.anchor == Anchor::Left     ? x
                                             : slot.anchor == Anchor::Centre ? x - width / 2.0
                                                                             : x - width));
            const int top = static_cast<int>(std::lround(slot.middle * rc.scale - m.middle));
            std::string up, down;
            ColourValue(role.up.empty() ? global.at("ColorUp") : role.up, up);
            ColourValue(role.down.empty() ? global.at("ColorDown") : role.down, down);
            const int page = slot.page >= 0 ? slot.page : key.page;
            add(std::string(key.name) + "=");
            out += text;
            std::ostringstream fields;
            fields << ',' << up << ',' << down << ',' << language.face << ',' << size << ',' << left
                   << ',' << top << ',' << width << ',' << height << ',' << page << "\r\n";
            add(fields.str());
        }
    }
    std::string bytes = "\xFF\xFE";
    AppendUtf16(out, bytes);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: language_maker <source folder> <language root> "
                             "<default language> <face>=<font file>...\n");
        return 2;
    }
    const fs::path source = argv[1];
    const fs::path root = argv[2];
    const std::string defaultLanguage = argv[3];
    std::map<std::string, std::string> fontFiles;
    for (int i = 4; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t equals = arg.find('=');
        if (equals == std::string::npos) {
            Fail("expected <face>=<font file>: " + arg);
            continue;
        }
        fontFiles[arg.substr(0, equals)] = arg.substr(equals + 1);
    }

    std::map<std::string, Role> roles;
    std::map<std::string, std::string> global;
    std::map<std::string, Slot> slots;
    if (!ReadLabels(source / "labels.ini", roles, global, slots)) return 1;
    if (!roles.count("label")) Fail("labels.ini: no role 'label' (it gives the global font size)");
    for (const auto& slot : slots) {
        bool known = false;
        for (const TextKey& key : TextKeys())
            known = known || slot.first == Id(key.section, key.name);
        if (!known)
            Fail("labels.ini:" + std::to_string(slot.second.line) + ": unknown key " + slot.first);
    }

    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(source, ec))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    bool defaultFound = false;
    for (const fs::path& file : files) {
        Language language;
        if (!ReadLanguage(file, language)) continue;
        for (const auto& text : language.texts) {
            bool known = false;
            for (const TextKey& key : TextKeys())
                known = known || text.first == Id(key.section, key.name);
            if (!known) Fail(file.string() + ": unknown key " + text.first);
        }
        const auto font = fontFiles.find(language.face);
        if (font == fontFiles.end()) {
            Fail(file.string() + ": no font file given for " + language.face);
            continue;
        }
        TextMeasure measure;
        std::string error;
        if (!measure.Open(font->second, error)) {
            Fail(error);
            continue;
        }
        const bool isDefault = language.folder == defaultLanguage;
        defaultFound = defaultFound || isDefault;
        for (const ResolutionClass& rc : kResolutionClasses) {
            const std::string bytes = MakeFile(language, rc, roles, global, slots, measure);
            const fs::path base = rc.folder[0] ? root / rc.folder : root;
            std::vector<fs::path> targets{base / language.folder / "Language.ini"};
            // Read while the user has chosen no language yet.
            if (isDefault) targets.push_back(base / "Language.ini");
            for (const fs::path& target : targets)
                if (!WriteIfChanged(target.string(), bytes))
                    Fail(target.string() + ": cannot be written");
        }
    }
    if (!defaultFound) Fail("no texts for the default language " + defaultLanguage);
    return g_failed ? 1 : 0;
}
