// The property store read from the settings' language folder: the one
// place the store reads the settings.
#include "AppSettings.h"
#include "Globals.h"
#include "PropertySets.h"

void CPropertySets::Load() {
    char folder[MAX_PATH] = {};
    if (g_appSettings) g_appSettings->GetFolder(folder, kFolderLanguage);
    Load(std::string(folder));
}
