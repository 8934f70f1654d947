#pragma once
// What the fonts page edits, apart from its windows: the font schemes of
// the "FONT" section ("1" to "10", style texts) as records, the style text
// a record is written back as, and the choice shown first.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

inline constexpr int kMaxFontSchemes = 10;
inline constexpr size_t kMaxFaceLength = 31;

struct FontScheme {
    std::string face;  // at most 31 characters
    COLORREF fore = 0;
    COLORREF back = 0xFFFFFF;
    int size = 0;  // points; 0 leaves the size to the component
    bool bold = false;
    bool italics = false;
    bool underlined = false;
};

// The schemes from "FONT"/"1" on, up to the first empty value or the first
// whose face is empty or begins with a blank. With no "FONT"/"1" at all the
// default scheme is the one record, so the page has something to edit.
std::vector<FontScheme> LoadFontSchemes(const std::function<std::string(int key)>& read);

// "font:%s" then ",size:", ",fore:#RRGGBB", ",back:#RRGGBB" when they are
// not 0, black and white, then ",bold", ",italics", ",underlined"; a ','
// in the face is written as '|', which the style parser reads back as ','.
std::string FontSchemeText(const FontScheme& scheme);

// The category shown first: "CurSel" (1-based) kept within the schemes.
int InitialFontScheme(int curSel, size_t count);
