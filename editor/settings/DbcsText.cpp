#include "DbcsText.h"

#include <windows.h>

#include <cstring>

const char* FindLastChar(const char* text, char ch) {
    const char* found = nullptr;
    for (const char* p = text; *p; p = ::CharNextA(p)) {
        if (*p == ch) found = p;
    }
    return found;
}

const char* FindFirstChar(const char* text, char ch) {
    for (const char* p = text; *p; p = ::CharNextA(p)) {
        if (*p == ch) return p;
    }
    return nullptr;
}

size_t FitCharacters(const char* text, size_t maxBytes) {
    size_t fit = 0;
    for (const char* p = text; *p;) {
        const char* next = ::CharNextA(p);
        size_t end = (size_t)(next - text);
        if (end > maxBytes) break;
        fit = end;
        p = next;
    }
    return fit;
}

void CopyCharacters(char* buffer, size_t size, const char* text) {
    if (!size) return;
    size_t length = FitCharacters(text, size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}
