#pragma once
// What applying a language reads from outside the view: the property store,
// the display settings of the ini and the style text of the current font
// scheme. The document frame passes the program's own; tests pass theirs.
#include <windows.h>

#include <cstdint>
#include <string>

#include "IniKeys.h"

class CPropertySets;

struct LanguageDisplaySettings {
    uint32_t editorMask = 0;  // bits 15-20 are read here
    COLORREF highLightColor = 0xFFFFFF;
    uint8_t lineTransparent = 0;
    int lineEdgePos = 90;
    COLORREF lineEdgeColor = 0xFFDAFA;
    uint8_t tabSize = 4;
    uint8_t indentSize = 4;
    std::string fontScheme = ini::kDefaultFontScheme;  // the style of style 32
};

class ILanguageSource {
public:
    virtual ~ILanguageSource() = default;
    // The store every look-up goes to; null while there is none.
    virtual CPropertySets* PropertySets() const = 0;
    // Read each time a language is applied, so option changes reach the
    // documents when they are restyled.
    virtual LanguageDisplaySettings DisplaySettings() const = 0;
};
