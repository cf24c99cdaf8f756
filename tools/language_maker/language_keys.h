#pragma once
// Every key of the language file in the order the panel reads them, then the setup program's.
#include <cstddef>

struct LanguageKey {
    const char* section;
    const char* name;
    int page; // default page of its label (Main and About 0, EQ 1 ...); -1: not a label
};

extern const LanguageKey kLanguageKeys[];
extern const size_t kLanguageKeyCount;
