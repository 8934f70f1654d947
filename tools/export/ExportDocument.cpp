#include "ExportDocument.h"

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
