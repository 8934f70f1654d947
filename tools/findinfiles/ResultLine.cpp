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
    for (size_t open = text.rfind('('); open != std::string::npos; open = open ? text.rfind('(', open - 1) : std::string::npos) {
        if (!BeginsLineNumber(text, open)) continue;
        path = text.substr(0, open);
        line = atoi(text.c_str() + open + 1);
        return true;
    }
    return false;
}
