#pragma once
// The text keys the language maker writes, in file order: section GlobalFont, the panel's
// keys from the panel's own table, then the setup program's.
#include <string>
#include <vector>

struct TextKey {
    std::string section;
    std::string name;
    int page; // default page of its label (Main and About 0, EQ 1 ...); -1: not a label
};

const std::vector<TextKey>& TextKeys();
