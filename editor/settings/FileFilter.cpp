#include "FileFilter.h"

#include <windows.h>

#include <vector>

#include "AppSettings.h"
#include "Globals.h"
#include "resource.h"
#include "ResourceText.h"

std::string BuildFileFilter(const std::string& lines, const std::string& fallback) {
    std::string filter;
    for (size_t start = 0; start < lines.size();) {
        size_t end = lines.find('\0', start);
        if (end == std::string::npos) end = lines.size();
        const std::string line = lines.substr(start, end - start);
        start = end + 1;
        const size_t bar = line.find('|');
        if (bar == std::string::npos || bar == 0 || bar + 1 == line.size()) continue;
        filter += line.substr(0, bar);
        filter += '\0';
        filter += line.substr(bar + 1);
        filter += '\0';
    }
    if (filter.empty()) {
        filter = fallback;
        for (char& c : filter)
            if (c == '|') c = '\0';
    }
    if (filter.empty() || filter.back() != '\0') filter += '\0';
    filter += '\0';
    return filter;
}

std::string LoadFileFilter() {
    std::vector<char> section(32768, '\0');
    std::string lines;
    if (g_appSettings && g_appSettings->ReadSection("FILTER", section.data(), (DWORD)section.size())) {
        size_t length = 0;
        while (length + 1 < section.size() && (section[length] || section[length + 1])) ++length;
        lines.assign(section.data(), length + 1);
    }
    return BuildFileFilter(lines, LoadText(IDS_FILTER_ALL_FILES));
}
