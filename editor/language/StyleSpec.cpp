#include "StyleSpec.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "HexColour.h"

namespace {

int SizeValue(const std::string& text) {
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

struct Flag {
    const char* on;
    const char* off;
    bool CStyleSpec::*field;
    unsigned int bit;
};

const Flag kFlags[] = {
    {"bold", "notbold", &CStyleSpec::bold, CStyleSpec::kBold},
    {"italics", "notitalics", &CStyleSpec::italics, CStyleSpec::kItalics},
    {"eolfilled", "noteolfilled", &CStyleSpec::eolfilled, CStyleSpec::kEolFilled},
    {"underlined", "notunderlined", &CStyleSpec::underlined, CStyleSpec::kUnderlined},
    {"visible", "notvisible", &CStyleSpec::visible, CStyleSpec::kVisible},
    {"changeable", "notchangeable", &CStyleSpec::changeable, CStyleSpec::kChangeable},
};

}  // namespace

bool CStyleSpec::Parse(const char* text) {
    if (!text || !*text) return false;
    const char* item = text;
    for (;;) {
        const char* end = std::strchr(item, ',');
        std::string piece = end ? std::string(item, end) : std::string(item);
        size_t colon = piece.find(':');
        if (colon == std::string::npos) {
            ApplyItem(piece, nullptr);
        } else {
            std::string value = piece.substr(colon + 1);
            ApplyItem(piece.substr(0, colon), &value);
        }
        if (!end) return true;
        item = end + 1;
    }
}

void CStyleSpec::ApplyItem(const std::string& keyword, const std::string* value) {
    const std::string empty;
    const std::string& text = value ? *value : empty;
    if (keyword == "font") {
        face = text;
        // A face name holding a comma is written with '|'.
        for (char& c : face) {
            if (c == '|') c = ',';
        }
        mask |= kFace;
    } else if (keyword == "size") {
        // "size" without a value has no meaning; size 0 is never wanted.
        if (!value) return;
        size = SizeValue(text);
        mask |= kSize;
    } else if (keyword == "fore") {
        fore = text;
        mask |= kFore;
    } else if (keyword == "back") {
        back = text;
        mask |= kBack;
    } else if (keyword == "case") {
        caseMode = text.starts_with('u') ? 1 : text.starts_with('l') ? 2 : 0;
        mask |= kCase;
    } else {
        for (const Flag& flag : kFlags) {
            if (keyword == flag.on || keyword == flag.off) {
                this->*flag.field = keyword == flag.on;
                mask |= flag.bit;
                return;
            }
        }
    }
}

COLORREF CStyleSpec::ForeColour() const { return ColourFromString(fore); }

COLORREF CStyleSpec::BackColour() const { return ColourFromString(back); }
