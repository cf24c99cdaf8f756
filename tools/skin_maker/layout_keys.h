#pragma once
// The panel's skin key table as the skin maker reads it: the same keys, in the same order,
// with narrow names.
#include "ui/skin_keys.h"

#include <string>
#include <vector>

struct LayoutKey {
    std::string section;
    std::string name;
    SkinKeyKind kind;
};

const std::vector<LayoutKey>& LayoutKeys();
