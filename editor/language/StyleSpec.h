#pragma once
// A parsed style text such as "font:Courier New,size:10,fore:#FF0000,bold".
#include <windows.h>

#include <string>

class CStyleSpec {
public:
    // Which items a text set; users apply only those.
    enum Mask : unsigned int {
        kFace = 0x1,
        kSize = 0x2,
        kFore = 0x4,
        kBack = 0x8,
        kBold = 0x10,
        kItalics = 0x20,
        kEolFilled = 0x40,
        kUnderlined = 0x80,
        kCase = 0x100,
        kVisible = 0x200,
        kChangeable = 0x400,
    };

    explicit CStyleSpec(const char* text = nullptr) { Parse(text); }

    // Applies the comma-separated items of the text in order; false (and
    // nothing changed) for a null or empty text. Unknown keywords are ignored.
    bool Parse(const char* text);

    COLORREF ForeColour() const;
    COLORREF BackColour() const;

    std::string face;
    int size = 0;
    std::string fore = "#000000";
    std::string back = "#FFFFFF";
    bool bold = false;
    bool italics = false;
    bool eolfilled = false;
    bool underlined = false;
    int caseMode = 0;  // 0 mixed, 1 upper, 2 lower
    bool visible = true;
    bool changeable = true;
    unsigned int mask = 0;

private:
    void ApplyItem(const std::string& keyword, const std::string* value);
};
