#pragma once
// The language settings that the typing aids read, kept by the view each
// time a language is applied.
#include <string>

// "<style number> <words or one character>", as the statement and block
// properties give them.
struct StyleWords {
    int style = 0;
    std::string words;
};

// The style is the integer at the start (0 for an empty value), the words
// the text after the first blank (empty without a blank).
StyleWords ParseStyleWords(const std::string& value);

inline constexpr char kDefaultWordCharacters[] = "_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

struct TypingSettings {
    bool indentOpening = false;
    bool indentClosing = false;
    bool indentMaintain = false;
    bool indentAutomatic = false;
    int statementLookback = 0;
    StyleWords statementIndent;
    StyleWords statementEnd;
    StyleWords blockStart;
    StyleWords blockEnd;
    std::string wordCharacters = kDefaultWordCharacters;
};
