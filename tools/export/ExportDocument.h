#pragma once
// What every exporter reads: the styled text, the property set with the
// "export.*" keys and the style texts, the lexer name of the document's
// language, its encoding code and the output path (for titles).
#include <string>

#include "EncodingCodes.h"
#include "PropertyMap.h"
#include "StyleSpec.h"
#include "StyledText.h"

constexpr int kDefaultStyle = 32;

struct ExportDocument {
    const StyledText& text;
    const PropertyMap& properties;  // the store's main set
    std::string lexer;              // "" for a language without one
    EncodingCode encoding = kEncodingAnsi;  // the Unicode codes hold the text as UTF-8
    std::string path;               // the file being written, in the ANSI code page
    unsigned ansiCodePage = 1252;   // the code page of an ANSI document and of the path
};

// "style.*.n" parsed, then "style.<lexer>.n" over it, both expanded.
CStyleSpec ExportStyle(const PropertyMap& properties, const std::string& lexer, int style);
inline CStyleSpec ExportStyle(const ExportDocument& document, int style) {
    return ExportStyle(document.properties, document.lexer, style);
}

// The path, or its file name unless fullPath.
std::string ExportTitle(const std::string& path, bool fullPath);

// The code point of the UTF-8 sequence at position i, with i moved past it;
// a byte that starts no valid sequence stands for itself.
unsigned NextCodePoint(const StyledText& text, size_t& i);

constexpr unsigned kNoCharacter = 0xFFFD;

// The code point of the document's character at position i, with i moved
// past it: UTF-8 for the Unicode codes, one or two bytes of the ANSI code
// page otherwise (kNoCharacter for bytes that stand for none).
unsigned NextCharacter(const ExportDocument& document, size_t& i);

// Whether the code point is a Chinese character or a CJK punctuation or
// full-width form, which the Latin fonts of the exports cannot set.
bool IsChineseCharacter(unsigned code);

// Whether the document holds any such character.
bool HasChineseText(const ExportDocument& document);
