#pragma once
// Reading and writing the package's source files (UTF-8 text, INI-like) for the build helpers.
#include <string>
#include <vector>

struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
    int line = 0;
};

std::string Trim(const std::string& text);
// Splits at every separator; empty pieces are kept.
std::vector<std::string> SplitFields(const std::string& text, char separator);
// Splits at runs of blanks; no empty pieces.
std::vector<std::string> SplitWords(const std::string& text);

bool ReadTextFile(const std::string& path, std::string& text);
// Lines "[Section]" and "key=value"; blank lines and lines starting with ';' or '#' are skipped.
// Keys and values are trimmed. False with a message naming the file and line on a malformed line.
bool ReadIniSource(const std::string& path, std::vector<IniEntry>& entries, std::string& error);

// Writes only when the content differs, so that unchanged outputs keep their time stamps and
// nothing after them is rebuilt. Creates the parent folders. False when the file cannot be written.
bool WriteIfChanged(const std::string& path, const std::string& bytes);

// A screen-size class of the skins and languages: its folder ("" for the plain folder) and the
// factor by which positions and sizes of the 1366x768 layout are scaled for it.
struct ResolutionClass {
    const char* folder;
    double scale;
};
extern const ResolutionClass kResolutionClasses[4];

// round(value * scale), halves away from zero.
int Scaled(double value, double scale);
