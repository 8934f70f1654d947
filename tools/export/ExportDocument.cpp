#include "ExportDocument.h"

#include <windows.h>

#include <cstdio>

#include "Utf8.h"

CStyleSpec ExportStyle(const PropertyMap& properties, const std::string& lexer, int style) {
    char key[200];
    std::snprintf(key, sizeof key, "style.*.%d", style);
    CStyleSpec spec(properties.GetExpanded(key).c_str());
    std::snprintf(key, sizeof key, "style.%s.%d", lexer.c_str(), style);
    spec.Parse(properties.GetExpanded(key).c_str());
    return spec;
}

std::string ExportTitle(const std::string& path, bool fullPath) {
    if (fullPath) return path;
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

unsigned NextCodePoint(const StyledText& text, size_t& i) {
    unsigned char bytes[4];
    size_t available = 0;
    while (available < 4 && i + available < text.Length()) {
        bytes[available] = static_cast<unsigned char>(text.CharAt(i + available));
        ++available;
    }
    const Utf8Sequence sequence = DecodeUtf8(bytes, available);
    i += sequence.incomplete ? 1 : sequence.length;
    return sequence.incomplete ? bytes[0] : sequence.codePoint;
}

unsigned NextCharacter(const ExportDocument& document, size_t& i) {
    const StyledText& text = document.text;
    if (IsUnicodeEncoding(document.encoding)) return NextCodePoint(text, i);
    char bytes[2] = {text.CharAt(i), 0};
    int count = 1;
    if (::IsDBCSLeadByteEx(document.ansiCodePage, static_cast<BYTE>(bytes[0])) && i + 1 < text.Length())
        bytes[count++] = text.CharAt(i + 1);
    i += static_cast<size_t>(count);
    if (static_cast<unsigned char>(bytes[0]) < 0x80) return static_cast<unsigned char>(bytes[0]);
    wchar_t wide[2] = {};
    const int units = ::MultiByteToWideChar(document.ansiCodePage, MB_ERR_INVALID_CHARS, bytes, count, wide, 2);
    if (units == 1) return wide[0];
    // A lead byte without a valid trail byte: the next byte is a character of its own.
    if (count == 2) --i;
    return kNoCharacter;
}

bool IsChineseCharacter(unsigned code) {
    return (code >= 0x2E80 && code <= 0x9FFF) ||    // radicals, CJK punctuation, kana, ideographs
           (code >= 0xF900 && code <= 0xFAFF) ||    // compatibility ideographs
           (code >= 0xFE30 && code <= 0xFE4F) ||    // compatibility forms
           (code >= 0xFF00 && code <= 0xFFEF) ||    // full-width forms
           (code >= 0x20000 && code <= 0x3FFFF);    // the supplementary ideograph planes
}

bool HasChineseText(const ExportDocument& document) {
    const StyledText& text = document.text;
    for (size_t i = 0, n = text.Length(); i < n;) {
        if (static_cast<unsigned char>(text.CharAt(i)) < 0x80)
            ++i;
        else if (IsChineseCharacter(NextCharacter(document, i)))
            return true;
    }
    return false;
}
