#include "PropertySets.h"

#include <windows.h>

#include "LanguageMenu.h"
#include "LanguageTable.h"

CPropertySets::CPropertySets() {
    m_baseSet.Set("PLAT_WIN", "1");
    m_mainSet.SetParent(&m_baseSet);
}

void CPropertySets::Load(const std::string& languageFolder) {
    for (std::string& slot : m_importedFiles) slot.clear();
    m_mainSet.Clear();
    m_languages.clear();
    // No folder (settings without a program folder): nothing to read.
    if (languageFolder.empty()) return;
    // Imports resolve against the root file's folder, whatever imports them.
    m_mainSet.ReadFile(languageFolder + "\\root.properties", languageFolder.c_str(), m_importedFiles);
    m_languages = BuildLanguageTable(m_mainSet);
}

const LanguageEntry& CPropertySets::GetLanguage(int index) const {
    // Reached whenever "root.properties" is missing and a document opens.
    static const LanguageEntry kPlainText{"Text", "", ""};
    if (m_languages.empty()) return kPlainText;
    if (index < 0 || static_cast<size_t>(index) >= m_languages.size()) return m_languages.front();
    return m_languages[static_cast<size_t>(index)];
}

int CPropertySets::LexerForFile(const std::string& path) const {
    return LanguageIndexForFile(m_languages, m_mainSet, path);
}

void CPropertySets::BuildLanguageMenu(HMENU popup) const { FillLanguageMenu(popup, m_languages); }
