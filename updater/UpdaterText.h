#pragma once
// The updater's strings and message boxes: every box is captioned with the
// updater's own caption string and formats its text with at most one
// argument into 512 characters.
#include <windows.h>

#include <string>

namespace vantrel {

// The string of the updater's table, "" when it has none.
std::string LoadUpdaterString(HINSTANCE instance, UINT id);

// The string with its one "%s" (or "%s" and "%d") filled.
std::string FormatUpdaterString(HINSTANCE instance, UINT id, const char* text, int number = 0);

// A box with the string id formatted with text; flags as MessageBox's.
int ShowUpdaterBox(HINSTANCE instance, HWND owner, UINT id, UINT flags, const char* text = "");

}  // namespace vantrel
