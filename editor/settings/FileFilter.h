#pragma once
// The filter list of the open and save dialogs: the "FILTER" section's lines
// "description|patterns", or IDS_FILTER_ALL_FILES without the section; parts are
// separated by NUL and the list ends with two.
#include <string>

// Pure: lines is the section as GetPrivateProfileSection gives it (NUL
// separated, empty for none); fallback is IDS_FILTER_ALL_FILES with its '|'s.
std::string BuildFileFilter(const std::string& lines, const std::string& fallback);
// From the settings and the resources.
std::string LoadFileFilter();
