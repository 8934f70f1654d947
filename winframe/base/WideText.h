#pragma once
// The one conversion between text in an ANSI code page and UTF-16, for
// every layer: the programs work in ANSI, and the wide calls take UTF-16.
#include <windows.h>

#include <string>
#include <string_view>

// Whole texts between codePage and UTF-16; bytes that form no character
// become U+FFFD, characters without a form in the code page become its
// default character.
std::wstring ToWide(std::string_view text, UINT codePage = CP_ACP);
std::string ToAnsi(std::wstring_view text, UINT codePage = CP_ACP);
