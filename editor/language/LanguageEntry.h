#pragma once
// One row of the language table built from "menu.language".
#include <string>

struct LanguageEntry {
    std::string name;
    std::string extension;
    std::string lexer;
};
