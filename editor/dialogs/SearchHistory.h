#pragma once
// Helpers that the find, replace and find-in-files dialogs share: history
// combos over the registry lists and the regular-expression token menu.
#include <windows.h>

#include <string>

#include "MruStore.h"

class ISearchHost;
struct SearchOptions;

// Registry lists under HKEY_CURRENT_USER.
constexpr const char* kFindHistoryKey = "Software\\Tarnwick\\Find";
constexpr const char* kReplaceHistoryKey = "Software\\Tarnwick\\Replace";
constexpr const char* kFindTypeHistoryKey = "Software\\Tarnwick\\FindType";
constexpr const char* kFindWhereHistoryKey = "Software\\Tarnwick\\FindWhere";

// Opens the list of subKey (26 entries) and adds its entries, most recent
// first, to the combo; the caller adds to it and closes it.
CMruStore FillComboFromMru(const char* subKey, HWND combo);
// The token of menu ids 60-70 and the caret offset from its start (0: after
// it); any other id leaves text empty and gives 0.
int GetRegexToken(UINT id, std::string& text);
// Replaces the selection of the combo's edit field with text and puts the
// caret at selection start + offset (+ the text's length for 0); answers
// that position.
int InsertComboText(HWND combo, const char* text, int offset);
// The active editor's selection, or the word at its caret, becomes FindText;
// unchanged without an editor document or such a text.
void TakeFindTextFromEditor(ISearchHost& host, SearchOptions& options);
// The combo's text in a buffer of size bytes, cut so that it never ends in
// half a double-byte character.
void ReadComboText(HWND combo, char* buffer, size_t size);
