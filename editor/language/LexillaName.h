#pragma once
// The lexer texts of the properties files are the editor's own language keys;
// Lexilla names some of them differently or not at all.
#include <string>

// The Lexilla lexer name for a lexer text; "" (no lexer, the container
// styles) for an empty text. Texts Lexilla knows pass unchanged.
std::string LexillaNameFor(const std::string& lexer);
