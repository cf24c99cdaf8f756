// Writes the skins of the package from their sources: one SVG per picture, skin and screen-size
// class (rendered to PNG afterwards), and the layout file of every skin folder.
//
// Usage: skin_maker <source folder> <SVG output folder> <skin root> <default skin>
//   <source folder>/palettes/<Skin>.txt  colours (and template choices) of each skin
//   <source folder>/pictures.txt         every picture: name, template, size, parameters
//   <source folder>/templates/*.svg      one drawing per kind of control, with placeholders
//   <source folder>/icons/*.svg          icons on a 24 x 24 grid
//   <source folder>/layout.ini           the layout file at 1366x768, pictures named without size
#include "layout_keys.h"
#include "source_text.h"
#include "svg_template.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Picture {
    std::string name;
    std::string kind; // template
    double width = 0;
    double height = 0;
    std::map<std::string, std::string> params;
    int line = 0;
};

struct Skin {
    std::string name;
    std::map<std::string, std::string> colours;
    std::map<std::string, std::string> templates; // kind -> template used by this skin
};

bool g_failed = false;

void Fail(const std::string& message) {
    std::fprintf(stderr, "skin_maker: %s\n", message.c_str());
    g_failed = true;
}

// The microphone level bar is shown 4k + 10 pixels wide, so its picture is made that long.
int MeterLength(double width, double scale) {
    return 4 * static_cast<int>(std::floor((width * scale - 10) / 4)) + 10;
}

int PixelWidth(const Picture& p, double scale) {
    return p.params.count("meter") ? MeterLength(p.width, scale) : Scaled(p.width, scale);
}

bool LoadSkins(const fs::path& folder, std::vector<Skin>& skins) {
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    if (ec || files.empty()) {
        Fail(folder.string() + ": no palettes");
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::vector<IniEntry> entries;
        std::string error;
        if (!ReadIniSource(file.string(), entries, error)) {
            Fail(error);
            return false;
        }
        Skin skin;
        skin.name = file.stem().string();
        for (const IniEntry& e : entries) {
            if (e.section == "Colours")
                skin.colours[e.key] = e.value;
            else if (e.section == "Templates")
                skin.templates[e.key] = e.value;
            else
                Fail(file.string() + ":" + std::to_string(e.line) + ": unknown section " +
                     e.section);
        }
        skins.push_back(skin);
    }
    return !g_failed;
}

bool LoadPictures(const fs::path& file, std::vector<Picture>& pictures) {
    std::string text;
    if (!ReadTextFile(file.string(), text)) {
        Fail(file.string() + ": cannot be read");
        return false;
    }
    std::istringstream in(text);
    std::string line;
    int number = 0;
    std::set<std::string> names;
    while (std::getline(in, line)) {
        ++number;
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#' || trimmed[0] == ';') continue;
        const std::vector<std::string> words = SplitWords(trimmed);
        const std::string where = file.string() + ":" + std::to_string(number);
        if (words.size() < 4) {
            Fail(where + ": expected name template width height [param=value...]");
            continue;
        }
        Picture p;
        p.name = words[0];
        p.kind = words[1];
        p.width = std::atof(words[2].c_str());
        p.height = std::atof(words[3].c_str());
        p.line = number;
        if (p.width <= 0 || p.height <= 0) Fail(where + ": the size must be positive");
        for (size_t i = 4; i < words.size(); ++i) {
            const size_t equals = words[i].find('=');
            if (equals == std::string::npos) {
                Fail(where + ": parameter without '=': " + words[i]);
                continue;
            }
            p.params[words[i].substr(0, equals)] = words[i].substr(equals + 1);
        }
        if (!names.insert(p.name).second) Fail(where + ": picture " + p.name + " named twice");
        pictures.push_back(p);
    }
    return !g_failed;
}

// A template's first line may give defaults: <!-- params: on=0 icon= -->
void TemplateDefaults(const std::string& text, std::map<std::string, std::string>& params) {
    const std::string opening = "<!-- params:";
    if (text.compare(0, opening.size(), opening) != 0) return;
    const size_t end = text.find("-->");
    for (const std::string& word : SplitWords(text.substr(opening.size(), end - opening.size()))) {
        const size_t equals = word.find('=');
        if (equals != std::string::npos) params[word.substr(0, equals)] = word.substr(equals + 1);
    }
}

class Drawings {
  public:
    explicit Drawings(const fs::path& source) : source_(source) {}

    const std::string* Template(const std::string& kind) {
        return Load(templates_, source_ / "templates" / (kind + ".svg"), kind);
    }
    bool Icon(const std::string& name, std::string& drawing) {
        const std::string* text = Load(icons_, source_ / "icons" / (name + ".svg"), name);
        if (!text) return false;
        // The drawing is what lies inside the icon's own <svg> element.
        const size_t open = text->find("<svg");
        const size_t start = open == std::string::npos ? open : text->find('>', open);
        const size_t end = text->rfind("</svg>");
        if (start == std::string::npos || end == std::string::npos || end < start) return false;
        drawing = text->substr(start + 1, end - start - 1);
        return true;
    }

  private:
    const std::string* Load(std::map<std::string, std::string>& cache, const fs::path& path,
                            const std::string& name) {
        auto found = cache.find(name);
        if (found == cache.end()) {
            std::string text;
            if (!ReadTextFile(path.string(), text)) return nullptr;
            found = cache.emplace(name, text).first;
        }
        return &found->second;
    }

    fs::path source_;
    std::map<std::string, std::string> templates_;
    std::map<std::string, std::string> icons_;
};

bool MakeSvg(const Picture& p, const Skin& skin, double scale, Drawings& drawings,
             std::string& svg) {
    const auto chosen = skin.templates.find(p.kind);
    const std::string kind = chosen == skin.templates.end() ? p.kind : chosen->second;
    const std::string* text = drawings.Template(kind);
    if (!text) {
        Fail("picture " + p.name + ": no template " + kind);
        return false;
    }
    TemplateContext context;
    TemplateDefaults(*text, context.params);
    for (const auto& param : p.params)
        context.params[param.first] = param.second;
    context.palette = skin.colours;
    context.icon = [&drawings](const std::string& name, std::string& drawing) {
        return drawings.Icon(name, drawing);
    };
    const int pixelWidth = PixelWidth(p, scale);
    const int pixelHeight = Scaled(p.height, scale);
    context.width = pixelWidth / scale;
    context.height = p.height;
    context.scale = scale;
    std::string body, error;
    if (!ExpandTemplate(*text, context, body, error)) {
        Fail("picture " + p.name + " (" + kind + ", " + skin.name + "): " + error);
        return false;
    }
    std::ostringstream out;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << pixelWidth << "\" height=\""
        << pixelHeight << "\" viewBox=\"0 0 " << FormatNumber(context.width) << ' '
        << FormatNumber(context.height) << "\" preserveAspectRatio=\"none\">\n"
        << body << "</svg>\n";
    svg = out.str();
    return true;
}

void WriteSvgs(const std::vector<Picture>& pictures, const std::vector<Skin>& skins,
               const fs::path& source, const fs::path& svgRoot) {
    Drawings drawings(source);
    for (const Skin& skin : skins) {
        for (const ResolutionClass& rc : kResolutionClasses) {
            if (rc.folder[0] == '\0') continue; // the plain folder takes the 1366x768 pictures
            const fs::path folder = svgRoot / skin.name / rc.folder;
            std::set<std::string> wanted;
            for (const Picture& p : pictures) {
                std::string svg;
                if (!MakeSvg(p, skin, rc.scale, drawings, svg)) continue;
                const fs::path file = folder / (p.name + ".svg");
                wanted.insert(file.filename().string());
                if (!WriteIfChanged(file.string(), svg))
                    Fail(file.string() + ": cannot be written");
            }
            // Pictures that left the table leave the output too.
            std::error_code ec;
            for (const auto& entry : fs::directory_iterator(folder, ec))
                if (entry.path().extension() == ".svg" &&
                    !wanted.count(entry.path().filename().string()))
                    fs::remove(entry.path(), ec);
        }
    }
}

std::string Join(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i)
        out += (i ? "," : "") + fields[i];
    return out;
}

bool Number(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

// One value of the layout source, turned into the value of the layout file for one class.
bool LayoutValue(const LayoutKey& key, const std::string& source, double scale,
                 const std::map<std::string, const Picture*>& pictures,
                 const std::string& folderPrefix, std::string& out, std::string& error) {
    out.clear();
    if (source.empty() || key.kind == SkinKeyKind::Bevel || key.kind == SkinKeyKind::Led ||
        key.kind == SkinKeyKind::Ignored) {
        out = source;
        return true;
    }
    std::vector<std::string> fields = SplitFields(source, ',');
    auto scaleFields = [&](size_t count) {
        for (size_t i = 0; i < count && i < fields.size(); ++i) {
            double v = 0;
            if (!Number(fields[i], v)) {
                error = "'" + fields[i] + "' is not a number";
                return false;
            }
            fields[i] = std::to_string(Scaled(v, scale));
        }
        return true;
    };
    switch (key.kind) {
    case SkinKeyKind::Image: {
        if (fields.size() < 3 || fields.size() > 4) {
            error = "expected picture,left,top[,page]";
            return false;
        }
        const auto found = pictures.find(fields[0]);
        if (found == pictures.end()) {
            error = "no picture " + fields[0];
            return false;
        }
        const std::vector<std::string> given = fields;
        fields.assign(given.begin() + 1, given.begin() + 3);
        if (!scaleFields(2)) return false;
        std::vector<std::string> value{folderPrefix + found->second->name + ".png", fields[0],
                                       fields[1], std::to_string(PixelWidth(*found->second, scale)),
                                       std::to_string(Scaled(found->second->height, scale))};
        if (given.size() == 4) value.push_back(given[3]);
        out = Join(value);
        return true;
    }
    case SkinKeyKind::Slider:
        if (fields.size() != 2) {
            error = "expected top,range";
            return false;
        }
        break;
    case SkinKeyKind::Centre:
        if (fields.size() != 3) {
            error = "expected x,y,radius";
            return false;
        }
        break;
    case SkinKeyKind::Shape:
        if (fields.size() != 5) {
            error = "expected left,top,width,height,shape";
            return false;
        }
        if (!scaleFields(4)) return false;
        out = Join(fields);
        return true;
    case SkinKeyKind::Length: {
        const auto found = pictures.find(source);
        if (found == pictures.end() || !found->second->params.count("meter")) {
            error = "expected the name of the level bar's picture";
            return false;
        }
        out = std::to_string(MeterLength(found->second->width, scale));
        return true;
    }
    default:
        break;
    }
    if (!scaleFields(fields.size())) return false;
    out = Join(fields);
    return true;
}

void WriteLayouts(const fs::path& layoutFile, const std::vector<Picture>& pictures,
                  const std::vector<Skin>& skins, const fs::path& skinRoot,
                  const std::string& defaultSkin) {
    std::vector<IniEntry> entries;
    std::string error;
    if (!ReadIniSource(layoutFile.string(), entries, error)) {
        Fail(error);
        return;
    }
    std::map<std::string, const IniEntry*> source;
    for (const IniEntry& e : entries) {
        const std::string id = e.section + "/" + e.key;
        bool known = false;
        for (const LayoutKey& key : LayoutKeys())
            known = known || id == key.section + "/" + key.name;
        if (!known)
            Fail(layoutFile.string() + ":" + std::to_string(e.line) + ": unknown key " + id);
        if (!source.emplace(id, &e).second)
            Fail(layoutFile.string() + ":" + std::to_string(e.line) + ": " + id + " given twice");
    }
    std::map<std::string, const Picture*> byName;
    for (const Picture& p : pictures)
        byName[p.name] = &p;

    bool defaultFound = false;
    for (const Skin& skin : skins)
        defaultFound = defaultFound || skin.name == defaultSkin;
    if (!defaultFound) Fail("the default skin " + defaultSkin + " has no palette");

    for (const ResolutionClass& rc : kResolutionClasses) {
        // The skin folders, and beside them the layout that the panel reads while no skin has
        // been chosen: the default skin's, reaching into its folder.
        for (const std::string& prefix : {std::string(), defaultSkin + "\\"}) {
            std::ostringstream out;
            out << "; Skin layout for the " << (rc.folder[0] ? rc.folder : "default")
                << " screen class. Made at build time from package/skins/layout.ini.\r\n"
                << "; Values: picture, left, top, width, height[, page].\r\n";
            std::vector<std::string> sections;
            for (const LayoutKey& key : LayoutKeys())
                if (std::find(sections.begin(), sections.end(), key.section) == sections.end())
                    sections.push_back(key.section);
            for (const std::string& section : sections) {
                out << "\r\n[" << section << "]\r\n";
                for (const LayoutKey& key : LayoutKeys()) {
                    if (section != key.section) continue;
                    const std::string id = section + "/" + key.name;
                    const auto found = source.find(id);
                    if (found == source.end()) {
                        Fail(layoutFile.string() + ": no value for " + id);
                        continue;
                    }
                    std::string value;
                    if (!LayoutValue(key, found->second->value, rc.scale, byName, prefix, value,
                                     error)) {
                        Fail(layoutFile.string() + ":" + std::to_string(found->second->line) +
                             ": " + key.name + ": " + error);
                        continue;
                    }
                    out << key.name << "=" << value << "\r\n";
                }
            }
            const fs::path base = rc.folder[0] ? skinRoot / rc.folder : skinRoot;
            if (prefix.empty()) {
                for (const Skin& skin : skins) {
                    const fs::path file = base / skin.name / "SkinSetting.ini";
                    if (!WriteIfChanged(file.string(), out.str()))
                        Fail(file.string() + ": cannot be written");
                }
            } else {
                const fs::path file = base / "SkinSetting.ini";
                if (!WriteIfChanged(file.string(), out.str()))
                    Fail(file.string() + ": cannot be written");
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: skin_maker <source folder> <SVG folder> <skin root> <default skin>\n");
        return 2;
    }
    const fs::path source = argv[1];
    std::vector<Skin> skins;
    std::vector<Picture> pictures;
    if (!LoadSkins(source / "palettes", skins) || !LoadPictures(source / "pictures.txt", pictures))
        return 1;
    WriteSvgs(pictures, skins, source, argv[2]);
    WriteLayouts(source / "layout.ini", pictures, skins, argv[3], argv[4]);
    return g_failed ? 1 : 0;
}
