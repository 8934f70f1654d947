#pragma once
// The macro sources of the editor itself: the user's details from the
// settings' "USER" section and the system clock, for a document's path.
#include <string>

#include "TemplateMacros.h"

class CAppSettings;

// The settings object must outlive the answer. A document path of "" means
// no document; "<new>" an untitled one.
MacroSources DocumentMacroSources(const CAppSettings& settings, const std::string& documentPath);
