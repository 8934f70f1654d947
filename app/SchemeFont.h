#pragma once
// The font a font scheme gives (the editor's default style and the hex
// view's rows): made from the scheme's style text, with its measures and
// background colour, and the scheme's item text in the drop-down menu.
#include <windows.h>

#include <string>

struct SchemeFont {
    HFONT font = nullptr;  // SYSTEM_FIXED_FONT when the scheme's font cannot be made
    bool owned = false;    // false for the stock font
    int charWidth = 0;     // average character width
    int lineHeight = 0;    // text height plus external leading
    COLORREF back = 0;
    LOGFONTA requested{};  // what was asked for

    SchemeFont() = default;
    SchemeFont(const SchemeFont&) = delete;
    SchemeFont& operator=(const SchemeFont&) = delete;
    SchemeFont(SchemeFont&& other) noexcept { *this = std::move(other); }
    SchemeFont& operator=(SchemeFont&& other) noexcept;
    ~SchemeFont();
};

// Points when the scheme gives no size.
constexpr int kDefaultSchemePoints = 10;

// The text of a scheme (an empty one is the default scheme) at the given
// pixels per logical inch.
SchemeFont MakeSchemeFont(const std::string& schemeText, int pixelsPerInch);
// "&1 face" and ", 12" when the scheme gives a size; "" for a scheme without a face.
std::string SchemeMenuText(int index, const std::string& schemeText);
