#pragma once
// A set read from text over a base set holding "PLAT_WIN", as the store
// builds every file's.
#include <string>

#include "PropertySet.h"

struct ParsedSet {
    CPropertySet base;
    CPropertySet set;
    explicit ParsedSet(const std::string& text) {
        base.Set("PLAT_WIN", "1");
        set.SetParent(&base);
        set.ParseText(text.data(), text.size(), nullptr, {});
    }
};
