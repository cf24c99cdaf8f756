#include "source_text.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

const ResolutionClass kResolutionClasses[4] = {
    {"1920x1080", 1.4},
    {"1366x768", 1.0},
    {"960x540", 0.7},
    {"", 1.0},
};

int Scaled(double value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    const size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitFields(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        words.push_back(word);
    return words;
}

bool ReadTextFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool ReadIniSource(const std::string& path, std::vector<IniEntry>& entries, std::string& error) {
    std::string text;
    if (!ReadTextFile(path, text)) {
        error = path + ": cannot be read";
        return false;
    }
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    std::istringstream in(text);
    std::string raw, section;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = Trim(line.substr(1, line.size() - 2));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos || section.empty()) {
            error = path + ":" + std::to_string(number) + ": expected [Section] or key=value";
            return false;
        }
        entries.push_back(
            {section, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)), number});
    }
    return true;
}

bool WriteIfChanged(const std::string& path, const std::string& bytes) {
    std::string current;
    if (ReadTextFile(path, current) && current == bytes) return true;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) return false;
    }
    std::filesystem::rename(temp, path, ignored);
    return !ignored;
}
