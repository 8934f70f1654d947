#include "SizeText.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

std::string UserThousandsSeparator() {
    char text[8] = {};
    if (!::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, sizeof(text))) return "'";
    if (!text[0]) return "";  // a NUL inserted as separator would cut the text
    return std::string(text, (size_t)(::CharNextA(text) - text));
}

bool AddThousandsSeparator(char* text, size_t capacity, const std::string& separator) {
    if (!text[0] || separator.empty()) return true;
    std::vector<size_t> starts;  // character starts, so a double-byte digit is never split
    for (const char* p = text; *p; p = ::CharNextA(p)) starts.push_back((size_t)(p - text));
    size_t length = std::strlen(text);
    size_t inserts = (starts.size() - 1) / 3;
    size_t total = length + inserts * separator.size();
    if (total + 1 > capacity) return false;
    std::string result;
    result.reserve(total);
    for (size_t i = 0; i < starts.size(); ++i) {
        size_t fromEnd = starts.size() - i;
        if (i > 0 && fromEnd % 3 == 0) result += separator;
        size_t end = i + 1 < starts.size() ? starts[i + 1] : length;
        result.append(text + starts[i], end - starts[i]);
    }
    std::memcpy(text, result.c_str(), result.size() + 1);
    return true;
}

bool AddThousandsSeparator(char* text, size_t capacity) {
    return AddThousandsSeparator(text, capacity, UserThousandsSeparator());
}

void FormatByteSize(char* buffer, size_t size, uint64_t count) {
    static const char* const kUnits[] = {"Bytes", "KB", "MB", "GB"};
    const int lastUnit = 3;
    if (!size) return;
    if (count < 1024) {
        char digits[32];
        std::snprintf(digits, sizeof(digits), "%u", (unsigned)count);
        AddThousandsSeparator(digits, sizeof(digits));
        std::snprintf(buffer, size, "%s %s", digits, kUnits[0]);
        return;
    }
    double value = (double)count;
    int unit = 0;
    while (value >= 1024.0 && unit < lastUnit) {
        value /= 1024.0;
        ++unit;
    }
    char plain[64], shown[64];
    std::snprintf(plain, sizeof(plain), "%.2f", value);
    if (!::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, plain, nullptr, shown, sizeof(shown))) {
        std::memcpy(shown, plain, sizeof(plain));
    }
    std::snprintf(buffer, size, "%s %s", shown, kUnits[unit]);
}

void FormatHex(char* out, const unsigned char* bytes, size_t count) {
    static const char kDigits[] = "0123456789ABCDEF";
    for (size_t i = 0; i < count; ++i) {
        out[2 * i] = kDigits[bytes[i] >> 4];
        out[2 * i + 1] = kDigits[bytes[i] & 0xF];
    }
    out[2 * count] = '\0';
}
