#include "ResourceText.h"

#include <cstdio>
#include <cstring>

#include "Globals.h"

std::string LoadResourceText(UINT id) {
    char text[1024] = {};
    ::LoadStringA(g_instance ? g_instance : ::GetModuleHandleA(nullptr), id, text, sizeof(text));
    return text;
}

std::string FormatResourceText(UINT id, const char* argument) {
    const std::string format = LoadResourceText(id);
    std::string out(format.size() + std::strlen(argument) + 1, '\0');
    const int n = std::snprintf(out.data(), out.size(), format.c_str(), argument);
    out.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return out;
}
