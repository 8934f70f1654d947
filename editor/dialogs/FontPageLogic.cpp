#include "FontPageLogic.h"

#include <algorithm>
#include <cstdio>

#include "DbcsText.h"
#include "IniKeys.h"
#include "StyleSpec.h"

namespace {

FontScheme FromStyleText(const std::string& text) {
    const CStyleSpec spec(text.c_str());
    FontScheme scheme;
    scheme.face = spec.face.substr(0, FitCharacters(spec.face.c_str(), kMaxFaceLength));
    scheme.fore = spec.ForeColour();
    scheme.back = spec.BackColour();
    scheme.size = spec.size;
    scheme.bold = spec.bold;
    scheme.italics = spec.italics;
    scheme.underlined = spec.underlined;
    return scheme;
}

void AppendColour(std::string& text, const char* key, COLORREF colour) {
    char item[32];
    std::snprintf(item, sizeof(item), ",%s:#%02X%02X%02X", key, GetRValue(colour), GetGValue(colour), GetBValue(colour));
    text += item;
}

}  // namespace

std::vector<FontScheme> LoadFontSchemes(const std::function<std::string(int key)>& read) {
    std::vector<FontScheme> schemes;
    for (int key = 1; key <= kMaxFontSchemes; ++key) {
        std::string text = read(key);
        if (text.empty()) {
            if (key > 1) break;
            text = ini::kDefaultFontScheme;
        }
        FontScheme scheme = FromStyleText(text);
        if (scheme.face.empty() || scheme.face[0] == ' ') break;
        schemes.push_back(std::move(scheme));
    }
    return schemes;
}

std::string FontSchemeText(const FontScheme& scheme) {
    std::string face = scheme.face;
    std::replace(face.begin(), face.end(), ',', '|');
    std::string text = "font:" + face;
    if (scheme.size != 0) text += ",size:" + std::to_string(scheme.size);
    if (scheme.fore != 0) AppendColour(text, "fore", scheme.fore);
    if (scheme.back != 0xFFFFFF) AppendColour(text, "back", scheme.back);
    if (scheme.bold) text += ",bold";
    if (scheme.italics) text += ",italics";
    if (scheme.underlined) text += ",underlined";
    return text;
}

int InitialFontScheme(int curSel, size_t count) {
    if (count == 0) return 0;
    return std::clamp(curSel, 1, static_cast<int>(count));
}
