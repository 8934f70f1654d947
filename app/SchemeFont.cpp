#include "SchemeFont.h"

#include <cstdio>

#include "IniKeys.h"
#include "StyleSpec.h"

SchemeFont& SchemeFont::operator=(SchemeFont&& other) noexcept {
    if (this != &other) {
        if (owned && font) ::DeleteObject(font);
        font = other.font;
        owned = other.owned;
        charWidth = other.charWidth;
        lineHeight = other.lineHeight;
        back = other.back;
        requested = other.requested;
        other.font = nullptr;
        other.owned = false;
    }
    return *this;
}

SchemeFont::~SchemeFont() {
    if (owned && font) ::DeleteObject(font);
}

SchemeFont MakeSchemeFont(const std::string& schemeText, int pixelsPerInch) {
    CStyleSpec spec(schemeText.empty() ? ini::kDefaultFontScheme : schemeText.c_str());
    SchemeFont made;
    int points = (spec.mask & CStyleSpec::kSize) && spec.size > 0 ? spec.size : kDefaultSchemePoints;
    LOGFONTA& lf = made.requested;
    lf.lfHeight = -::MulDiv(points, pixelsPerInch, 72);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = spec.italics ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    // The face-name field holds 31 characters and the terminator.
    lstrcpynA(lf.lfFaceName, spec.face.c_str(), LF_FACESIZE);
    made.font = ::CreateFontIndirectA(&lf);
    made.owned = made.font != nullptr;
    if (!made.font) made.font = (HFONT)::GetStockObject(SYSTEM_FIXED_FONT);
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, made.font);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, previous);
    ::ReleaseDC(nullptr, dc);
    made.charWidth = metrics.tmAveCharWidth;
    made.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    made.back = spec.BackColour();
    return made;
}

std::string SchemeMenuText(int index, const std::string& schemeText) {
    CStyleSpec spec(schemeText.c_str());
    if (schemeText.empty() || spec.face.empty()) return {};
    std::string text = "&" + std::to_string(index) + " " + spec.face;
    if ((spec.mask & CStyleSpec::kSize) && spec.size > 0) text += ", " + std::to_string(spec.size);
    return text;
}
