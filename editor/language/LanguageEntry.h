#pragma once
// One row of the language table built from "menu.language".
#include <string>

struct LanguageEntry {
    std::string name;       // menu text, unchanged
    std::string extension;  // without the dot; "x." + extension names untitled documents
    std::string lexer;      // expanded "lexer." for "x." + extension; may be empty
};
