#pragma once
// The explorer pane's decisions that need no window: the filter pattern of
// a typed text, which items the folder view shows, the filter combo's
// items, and the form of a typed folder path.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

// The text after the first '(' up to the last ')'; the whole text without them.
std::string FilterPatternOfText(const std::string& text);

struct FilterChoice {
    std::string description;  // what the combo shows
    std::string pattern;      // what is applied
};
// The "FILTER" section's lines "description|patterns" (NUL separated, as
// the section is read); "All File(*.*)" for *.* when there are none.
std::vector<FilterChoice> ParseFilterChoices(const std::string& sectionLines);

// The view's question for one item: attributes answered for the mask
// SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR (attributesKnown
// false when the call failed), and the item's parsing name in its folder.
bool IncludeItem(bool attributesKnown, SFGAOF attributes, const std::string& name, const std::string& pattern);

// Trailing '\' and ' ' removed, one '\' added.
std::string NormalizeFolderPath(const std::string& path);
