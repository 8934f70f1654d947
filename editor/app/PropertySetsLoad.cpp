// The property store read from the settings' language folder; here, beside
// the settings, so that the store itself needs no program around it.
#include "AppSettings.h"
#include "Globals.h"
#include "PropertySets.h"

void CPropertySets::Load() {
    char folder[MAX_PATH] = {};
    if (g_appSettings) g_appSettings->GetFolder(folder, kFolderLanguage);
    Load(std::string(folder));
}
