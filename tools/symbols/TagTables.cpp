#include "TagRecord.h"

#include <cstring>

#include "resource.h"

namespace {

constexpr int kImages[kTagCategoryCount] = {
    IMG_UNKNOWN,   IMG_FUNCTION,  IMG_FUNCTION,  IMG_CLASS,     IMG_MACRO,     IMG_ENUM,      IMG_FILENAME,
    IMG_ENUMNAME,  IMG_MEMBER,    IMG_PROTOTYPE, IMG_STRUCTURE, IMG_TYPEDEF,   IMG_STRUCTURE, IMG_VARIABLE,
    IMG_NAMESPACE, IMG_FUNCTION,  IMG_FUNCTION,  IMG_CLASS,     IMG_VARIABLE,  IMG_CLASS,     IMG_CONSTANT,
    IMG_CONSTANT,  IMG_TASK,      IMG_TASK,      IMG_ENUM,      IMG_NET,       IMG_PORT,      IMG_REGISTER,
    IMG_TASK,      IMG_STRUCTURE, IMG_STRUCTURE, IMG_STRUCTURE, IMG_STRUCTURE, IMG_STRUCTURE, IMG_VARIABLE,
    IMG_STRUCTURE, IMG_TASK,      IMG_CLASS,     IMG_ENUM,      IMG_STRUCTURE, IMG_STRUCTURE, IMG_FUNCTION,
};

// One row of the kind tables: letters and their categories, lower and upper case.
struct KindEntry {
    char letter;
    int category;
};
struct KindTable {
    const char* lexer;  // null: the row for every other lexer
    KindEntry entries[18];
};

constexpr KindTable kKindTables[] = {
    {"csharp", {{'c', 3}, {'d', 4}, {'e', 5}, {'f', 8}, {'g', 7}, {'i', 17}, {'l', 13}, {'m', 15}, {'n', 14},
                {'p', 18}, {'s', 10}, {'t', 11}, {'E', 16}, {'F', 6}}},
    {"java", {{'c', 3}, {'f', 8}, {'i', 17}, {'l', 13}, {'m', 15}, {'p', 14}, {'F', 6}}},
    {"perl", {{'c', 20}, {'l', 21}, {'s', 1}, {'F', 6}}},
    {"pascal", {{'f', 1}, {'p', 2}, {'F', 6}}},
    {"ruby", {{'c', 3}, {'f', 15}, {'m', 23}, {'F', 22}}},
    {"sql", {{'c', 29}, {'d', 9}, {'f', 1}, {'l', 13}, {'p', 2}, {'r', 30}, {'s', 31}, {'t', 35}, {'v', 13},
             {'F', 34}, {'L', 21}, {'P', 24}, {'T', 32}}},
    {"verilog", {{'c', 20}, {'e', 16}, {'f', 1}, {'m', 24}, {'n', 25}, {'p', 26}, {'r', 27}, {'t', 28}, {'F', 6}}},
    {"vb", {{'c', 3}, {'d', 34}, {'f', 1}, {'k', 20}, {'m', 24}, {'s', 2}, {'F', 6}}},
    {"vhdl", {{'a', 36}, {'c', 20}, {'f', 1}, {'k', 37}, {'l', 38}, {'m', 41}, {'n', 39}, {'o', 40}, {'p', 2},
              {'s', 25}, {'t', 11}, {'u', 26}, {'v', 13}, {'F', 6}}},
    {nullptr, {{'c', 3}, {'d', 4}, {'e', 5}, {'f', 1}, {'g', 7}, {'l', 13}, {'m', 8}, {'n', 14}, {'p', 9},
               {'s', 10}, {'t', 11}, {'u', 12}, {'v', 13}, {'x', 13}, {'F', 6}}},
};

struct LanguageName {
    const char* lexer;
    const char* language;
};

// Every name is one the shipped ctags lists (--list-languages).
constexpr LanguageName kLanguages[] = {
    {"cpp", "C++"},        {"csharp", "C#"},         {"assembler", "Asm"}, {"cobol", "Cobol"},
    {"eiffel", "Eiffel"},  {"erlang", "Erlang"},     {"fortran", "Fortran"}, {"java", "Java"},
    {"javascript", "JavaScript"}, {"web", "PHP"},    {"php", "PHP"},       {"phpscript", "PHP"},
    {"lisp", "Lisp"},      {"lua", "Lua"},           {"makefile", "Make"}, {"pascal", "Pascal"},
    {"perl", "Perl"},      {"python", "Python"},     {"plsql", "SQL"},     {"ruby", "Ruby"},
    {"shell", "Sh"},       {"tcl", "Tcl"},           {"verilog", "Verilog"}, {"vim", "Vim"},
    {"yacc", "YACC"},      {"vhdl", "Vhdl"},
};

const KindTable& KindTableOf(const std::string& lexer) {
    for (const KindTable& table : kKindTables)
        if (!table.lexer || lexer == table.lexer) return table;
    return kKindTables[sizeof(kKindTables) / sizeof(kKindTables[0]) - 1];
}

}  // namespace

bool TagMask::Passes(TagCategory category) const {
    const int bit = static_cast<int>(category);
    if (bit < 0 || bit >= kTagCategoryCount) return false;
    return bit < 32 ? (low >> bit) & 1 : (high >> (bit - 32)) & 1;
}

int TagCategoryImage(TagCategory category) {
    const int row = static_cast<int>(category);
    return row >= 0 && row < kTagCategoryCount ? kImages[row] : kImages[0];
}

TagCategory TagCategoryOfKind(const std::string& lexer, const std::string& kindField) {
    if (kindField.size() != 1) return TagCategory::Unknown;
    const char letter = kindField[0];
    const bool lower = letter >= 'a' && letter <= 'z', upper = letter >= 'A' && letter <= 'Z';
    if (!lower && !upper) return TagCategory::Unknown;
    for (const KindEntry& entry : KindTableOf(lexer).entries) {
        if (!entry.letter) break;
        if (entry.letter == letter) return static_cast<TagCategory>(entry.category);
    }
    return TagCategory::Unknown;
}

const char* CtagsLanguageOf(const std::string& lexer) {
    for (const LanguageName& name : kLanguages)
        if (lexer == name.lexer) return name.language;
    return nullptr;
}
