#include "ExplorerLogic.h"

#include <shlwapi.h>

#include "FileFilter.h"

std::string FilterPatternOfText(const std::string& text) {
    const size_t open = text.find('(');
    const size_t close = text.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close <= open) return text;
    return text.substr(open + 1, close - open - 1);
}

std::vector<FilterChoice> ParseFilterChoices(const std::string& sectionLines) {
    // The same pairs as the open dialog's filter, NUL separated.
    const std::string pairs = BuildFileFilter(sectionLines, "All File(*.*)|*.*|");
    std::vector<FilterChoice> choices;
    for (size_t at = 0; at < pairs.size() && pairs[at];) {
        const size_t descriptionEnd = pairs.find('\0', at);
        const size_t patternEnd = pairs.find('\0', descriptionEnd + 1);
        if (patternEnd == std::string::npos) break;
        choices.push_back({pairs.substr(at, descriptionEnd - at),
                           pairs.substr(descriptionEnd + 1, patternEnd - descriptionEnd - 1)});
        at = patternEnd + 1;
    }
    return choices;
}

bool IncludeItem(bool attributesKnown, SFGAOF attributes, const std::string& name, const std::string& pattern) {
    if (!attributesKnown) return true;
    const SFGAOF kinds = attributes & (SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR);
    if (!(kinds & (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR))) return false;  // virtual items
    if (kinds != SFGAO_FILESYSTEM) return true;                              // folders
    return pattern.empty() || ::PathMatchSpecA(name.c_str(), pattern.c_str());
}

std::string NormalizeFolderPath(const std::string& path) {
    std::string out = path;
    while (!out.empty() && (out.back() == '\\' || out.back() == ' ')) out.pop_back();
    return out + "\\";
}
