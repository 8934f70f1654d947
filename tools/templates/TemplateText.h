#pragma once
// The pure steps of inserting a template and of choosing a category: the
// caret line's indentation as text, the caret marker, and which remembered
// category the combo shows.
#include <string>
#include <string_view>
#include <vector>

// The indentation of columns width: with tabs, columns / tabWidth tabs and
// the rest as blanks; without, blanks only.
std::string IndentationText(int columns, int tabWidth, bool useTabs);

// The byte offset of the first '|' that is a character of its own in text
// under codePage (65001 for UTF-8, else an ANSI page whose trail bytes may
// be '|'), or npos.
size_t FindCaretMarker(std::string_view text, unsigned codePage);

// The category to show: the last table equal to remembered without regard
// to case, else the first; -1 for no tables.
int ChooseCategory(const std::vector<std::string>& tables, const std::string& remembered);
