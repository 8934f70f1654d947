#include "FilePattern.h"

#include <cstring>

namespace {

unsigned char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c; }

bool SameText(const char* a, const char* b, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (Upper(static_cast<unsigned char>(a[i])) != Upper(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

}  // namespace

bool MatchFilePattern(const char* item, size_t itemLength, const char* fileName) {
    size_t nameLength = std::strlen(fileName);
    if (itemLength == nameLength && SameText(item, fileName, nameLength)) return true;
    // An unequal item of the name's length may still be a wildcard: "*.c" and "a.c".
    if (itemLength == 0) return false;
    if (item[0] == '*') {
        size_t suffix = itemLength - 1;
        return nameLength >= suffix && SameText(item + 1, fileName + nameLength - suffix, suffix);
    }
    if (item[itemLength - 1] == '*') {
        size_t prefix = itemLength - 1;
        return nameLength >= prefix && SameText(item, fileName, prefix);
    }
    return false;
}
