#include "ResultLine.h"

#include <cstdio>
#include <cstdlib>
#include <cctype>

std::string FormatResultLine(const char* path, int line, const char* text) {
    char buffer[kResultLineMax];
    snprintf(buffer, sizeof(buffer), "%s(%d): %s", path, line, text);
    return buffer;
}

namespace {

// Where the digits after an opening parenthesis are followed by "): ".
bool BeginsLineNumber(const std::string& text, size_t open) {
    size_t end = open + 1;
    while (end < text.size() && isdigit(static_cast<unsigned char>(text[end]))) ++end;
    return end > open + 1 && text.compare(end, 3, "): ") == 0;
}

}  // namespace

bool ParseResultLine(const std::string& text, std::string& path, int& line) {
    // The first: a path may hold "(" but never "): ", while the found text
    // after it may hold anything, another "(12): " included.
    for (size_t open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
        if (!BeginsLineNumber(text, open)) continue;
        path = text.substr(0, open);
        line = atoi(text.c_str() + open + 1);
        return true;
    }
    return false;
}
