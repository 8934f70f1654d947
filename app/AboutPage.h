#pragma once
// The about box: the program folder's "ABOUT.HTM" shown modally by the
// system's HTML dialog, with the version text as its dialog arguments.
#include <windows.h>

#include <string>

// Shows the page over owner and returns when it is closed. False, with
// nothing shown, when the page, the HTML library or its dialog entry is
// missing or the dialog cannot open.
bool ShowAboutPage(HWND owner, const std::string& folder, const std::string& version);
