#pragma once
// The updater's strings and message boxes: every box is captioned with the
// updater's own caption string and formats its text into 512 characters.
#include <windows.h>

#include <string>
#include <vector>

namespace vantrel {

// The string of the updater's table, "" when it has none.
std::string LoadUpdaterString(HINSTANCE instance, UINT id);

// The string with its one "%s" (or "%s" and "%d") filled.
std::string FormatUpdaterString(HINSTANCE instance, UINT id, const char* text, int number = 0);
// The string with each "%s" filled in turn.
std::string FormatUpdaterString(HINSTANCE instance, UINT id, const std::vector<std::string>& texts);

// The system's own text for an error code (the network library's codes
// included), without its line end; never empty.
std::string SystemErrorText(DWORD error);

// A box with the string id formatted with text; flags as MessageBox's.
int ShowUpdaterBox(HINSTANCE instance, HWND owner, UINT id, UINT flags, const char* text = "");
// A box with a text already made.
int ShowUpdaterText(HINSTANCE instance, HWND owner, const std::string& text, UINT flags);

}  // namespace vantrel
