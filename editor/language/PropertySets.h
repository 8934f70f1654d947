#pragma once
// The editor's one store of properties: "root.properties" and its imports,
// read into the main set over a base set that holds only "PLAT_WIN".
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "LanguageEntry.h"
#include "PropertySet.h"

class CPropertySets {
public:
    static constexpr size_t kImportSlots = 50;

    CPropertySets();
    CPropertySets(const CPropertySets&) = delete;
    CPropertySets& operator=(const CPropertySets&) = delete;

    // (Re)reads "root.properties" from the settings' language folder
    // (g_appSettings); without settings the main set is left empty.
    void Load();
    // The same from a given folder (no trailing '\'); a missing root file
    // leaves the main set empty.
    void Load(const std::string& languageFolder);

    // Every look-up goes here.
    CPropertySet& Main() { return m_mainSet; }
    const CPropertySet& Main() const { return m_mainSet; }
    const CPropertySet& Base() const { return m_baseSet; }
    // The imports read by the last Load, deepest first; empty slots are "".
    const std::array<std::string, kImportSlots>& ImportedFiles() const { return m_importedFiles; }
    const std::vector<LanguageEntry>& Languages() const { return m_languages; }

    // The entry at index, entry 0 for any other index, and a plain-text entry
    // ("Text", no extension, no lexer) while the table is empty.
    const LanguageEntry& GetLanguage(int index) const;
    // The language index of a file (full path or bare name).
    int LexerForFile(const std::string& path) const;
    // Appends the Language menu items (commands ID_LANGUAGE_FIRST + i).
    void BuildLanguageMenu(HMENU popup) const;

private:
    std::array<std::string, kImportSlots> m_importedFiles;
    std::vector<LanguageEntry> m_languages;
    CPropertySet m_baseSet;
    CPropertySet m_mainSet;
};
