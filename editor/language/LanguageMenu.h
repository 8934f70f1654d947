#pragma once
// The Language menu's entries, one command per language.
#include <windows.h>

#include <vector>

#include "LanguageEntry.h"

// Appends entry i as a string item with command ID_LANGUAGE_FIRST + i after
// the items the popup holds. Only ids up to ID_LANGUAGE_LAST are given out:
// the ids past it belong to other commands. Returns the items added.
int FillLanguageMenu(HMENU popup, const std::vector<LanguageEntry>& table);
