#pragma once
// The editor's texts: resource strings loaded whole (no caller-chosen
// buffer), their "%s" filled in order, the system's text for an error code,
// and (from the window base) the conversions between an ANSI code page and
// UTF-16.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "WideText.h"

// From the program's module (g_instance, else the running program); "" when
// it has no string of that id.
std::string LoadText(UINT id);
std::wstring LoadWideText(UINT id);

// Each "%s" (or "%d") of format in turn by the next value, as text; "%%" is
// one '%'. Conversions beyond the values, and any other '%', stay as written.
std::string FillText(std::string_view format, std::initializer_list<std::string_view> values);
// FillText over resource string id.
std::string FormatText(UINT id, std::initializer_list<std::string_view> values);

// The system's message for an error code in the user's default language, as
// FormatMessage gives it (with its line break); "" for an unknown code.
std::string SystemErrorText(DWORD error);

