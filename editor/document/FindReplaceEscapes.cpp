#include "FindReplaceEscapes.h"

namespace {

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char SimpleEscape(char c) {
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    default: return c;
    }
}

}  // namespace

std::string UnescapeString(const std::string& text) {
    std::string out;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == n) {
            out += '\0';
            break;
        }
        if (IsOctal(text[i])) {
            unsigned value = 0;
            for (int digits = 0; digits < 3 && i < n && IsOctal(text[i]); ++digits, ++i)
                value = value * 8 + static_cast<unsigned>(text[i] - '0');
            out += static_cast<char>(value & 0xFF);
            --i;
        } else if (text[i] == 'x') {
            // "\x" before a non-hex character: NUL, and that character is consumed.
            unsigned value = 0;
            if (i + 1 < n && HexValue(text[i + 1]) >= 0) {
                for (int digits = 0; digits < 2 && i + 1 < n && HexValue(text[i + 1]) >= 0; ++digits)
                    value = value * 16 + static_cast<unsigned>(HexValue(text[++i]));
            } else if (i + 1 < n) {
                ++i;
            }
            out += static_cast<char>(value);
        } else {
            out += SimpleEscape(text[i]);
        }
    }
    return out;
}

std::string UnescapeLowOctal(const std::string& text) {
    std::string out;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (text[i] == '\\' && i + 3 < n && text[i + 1] == '0' && IsOctal(text[i + 2]) && IsOctal(text[i + 3])) {
            out += static_cast<char>(8 * (text[i + 2] - '0') + (text[i + 3] - '0'));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string UnescapePattern(const std::string& text, bool escapes, bool regex) {
    if (!escapes) return text;
    return regex ? UnescapeLowOctal(text) : UnescapeString(text);
}
