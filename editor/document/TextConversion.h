#pragma once
// Converting text between an ANSI code page and the UTF-8 the component
// holds for Unicode documents.
#include <cstddef>
#include <string>

#include "EncodingCodes.h"

// *lost (when given) is set when some bytes formed no character of the page.
std::string AnsiToUtf8(const std::string& text, unsigned codePage, bool* lost = nullptr);
// *lost (when given) is set when some characters have no form in the page
// and were written as its default character.
std::string Utf8ToAnsi(const std::string& text, unsigned codePage, bool* lost = nullptr);

// Every line end (CRLF, a lone CR, a lone LF) in the component's
// end-of-line mode eolMode (kEolDefault as CRLF), as its line-end
// conversion makes them.
std::string ConvertLineEnds(const std::string& text, EolCode eolMode);
