#include "DocumentMacros.h"

#include "AppSettings.h"

MacroSources DocumentMacroSources(const CAppSettings& settings, const std::string& documentPath) {
    MacroSources sources;
    sources.path = documentPath;
    sources.userValue = [&settings](const char* key, const char* fallback) {
        return settings.ReadString(ini::kUser, key, fallback);
    };
    return sources;
}
