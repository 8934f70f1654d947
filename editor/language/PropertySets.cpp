#include "PropertySets.h"

#include <windows.h>

#include "AppSettings.h"
#include "Globals.h"

CPropertySets::CPropertySets() {
    m_baseSet.Set("PLAT_WIN", "1");
    m_mainSet.SetParent(&m_baseSet);
}

void CPropertySets::Load() {
    char folder[MAX_PATH] = {};
    if (g_appSettings) g_appSettings->GetFolder(folder, kFolderLanguage);
    Load(std::string(folder));
}

void CPropertySets::Load(const std::string& languageFolder) {
    for (std::string& slot : m_importedFiles) slot.clear();
    m_mainSet.Clear();
    m_languages.clear();
    // No folder (settings without a program folder): nothing to read.
    if (languageFolder.empty()) return;
    // Imports resolve against the root file's folder, whatever imports them.
    m_mainSet.ReadFile(languageFolder + "\\root.properties", languageFolder.c_str(), m_importedFiles);
}
