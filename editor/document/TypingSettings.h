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

// Whether a word is in a style-word list: an empty list holds nothing; a
// list that begins with an ASCII letter is blank-separated words, compared
// whole and with case; any other list stands for its first character, which
// any word holding it matches.
bool StyleWordListContains(const std::string& list, const std::string& word);

inline constexpr char kDefaultWordCharacters[] = "_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

struct CallTipSettings {
    bool ignoreCase = false;
    std::string wordCharacters = kDefaultWordCharacters;
    std::string parametersStart = "(";
    std::string parametersEnd = ")";
    std::string parametersSeparators = ",;";
    std::string endDefinition;
};

struct AutoCompleteSettings {
    std::string startCharacters;
    std::string fillups;
    bool ignoreCase = false;
    int chooseSingle = 0;
};

class PropertyMap;
// "key" with '*' replaced by the lexer name (expanded), else the key itself,
// else defaultValue.
std::string LookupWithWildcard(const PropertyMap& props, const std::string& key, const std::string& lexer,
                               const std::string& defaultValue);
CallTipSettings ReadCallTipSettings(const PropertyMap& props, const std::string& lexer);
AutoCompleteSettings ReadAutoCompleteSettings(const PropertyMap& props, const std::string& lexer);

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
    CallTipSettings callTip;
    AutoCompleteSettings autoComplete;
    // "autocompleteword.automatic" and "xml.auto.close.tags", read with the
    // language rather than on every character.
    bool autoCompleteWords = false;
    bool closeXmlTags = false;
};
