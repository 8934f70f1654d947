#pragma once
// The language table: built from "menu.language" ("Name|ext|Name|ext|...|")
// and searched by file name.
#include <string>
#include <vector>

#include "LanguageEntry.h"
#include "PropertySet.h"

// Changes 'A'-'Z' into 'a'-'z' and nothing else.
void LowerCaseAscii(std::string& text);

// "x." + extension: the look-up name of a language without a file.
std::string LookupNameForExtension(const std::string& extension);

// One entry per name/extension pair; a name beginning '#' is skipped and an
// odd trailing item dropped. Each lexer is "lexer." expanded for "x.<ext>".
std::vector<LanguageEntry> BuildLanguageTable(const CPropertySet& set);

// The index of the first entry whose lexer equals the file's "lexer." value
// (so an unknown file gets the first entry without a lexer), else 0. The file
// name is the text after the last '\' or '/'.
int LanguageIndexForFile(const std::vector<LanguageEntry>& table, const CPropertySet& set, const std::string& path);
