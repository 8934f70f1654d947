#include "TypingSettings.h"

#include <cstdlib>

#include "PropertyMap.h"

StyleWords ParseStyleWords(const std::string& value) {
    StyleWords result;
    result.style = std::atoi(value.c_str());
    const size_t blank = value.find(' ');
    if (blank != std::string::npos) result.words = value.substr(blank + 1);
    return result;
}

bool StyleWordListContains(const std::string& list, const std::string& word) {
    if (list.empty()) return false;
    const char first = list[0];
    if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) return word.find(first) != std::string::npos;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(' ', start);
        if (end == std::string::npos) end = list.size();
        if (list.compare(start, end - start, word) == 0 && end > start) return true;
        start = end + 1;
    }
    return false;
}

std::string LookupWithWildcard(const PropertyMap& props, const std::string& key, const std::string& lexer,
                               const std::string& defaultValue) {
    std::string named = key;
    const size_t star = named.find('*');
    if (star != std::string::npos) {
        named.replace(star, 1, lexer);
        const std::string value = props.GetExpanded(named);
        if (!value.empty()) return value;
    }
    const std::string value = props.GetExpanded(key);
    return value.empty() ? defaultValue : value;
}

CallTipSettings ReadCallTipSettings(const PropertyMap& props, const std::string& lexer) {
    CallTipSettings tip;
    tip.ignoreCase = LookupWithWildcard(props, "calltip.*.ignorecase", lexer, "") == "1";
    tip.wordCharacters = LookupWithWildcard(props, "calltip.*.word.characters", lexer, kDefaultWordCharacters);
    tip.parametersStart = LookupWithWildcard(props, "calltip.*.parameters.start", lexer, "(");
    tip.parametersEnd = LookupWithWildcard(props, "calltip.*.parameters.end", lexer, ")");
    tip.parametersSeparators = LookupWithWildcard(props, "calltip.*.parameters.separators", lexer, ",;");
    tip.endDefinition = LookupWithWildcard(props, "calltip.*.end.definition", lexer, "");
    return tip;
}

AutoCompleteSettings ReadAutoCompleteSettings(const PropertyMap& props, const std::string& lexer) {
    AutoCompleteSettings ac;
    const auto named = [&](const char* suffix) {
        const std::string value = props.GetExpanded("autocomplete." + lexer + suffix);
        return value.empty() ? props.GetExpanded(std::string("autocomplete.*") + suffix) : value;
    };
    ac.startCharacters = named(".start.characters");
    ac.fillups = named(".fillups");
    // The general key turns it on only with "1"; any value for the lexer
    // decides instead.
    ac.ignoreCase = props.GetExpanded("autocomplete.*.ignorecase") == "1";
    const std::string forLexer = props.GetExpanded("autocomplete." + lexer + ".ignorecase");
    if (!forLexer.empty()) ac.ignoreCase = forLexer == "1";
    ac.chooseSingle = props.GetInt("autocomplete.choose.single", 0);
    return ac;
}
