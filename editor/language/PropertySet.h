#pragma once
// A property set read from properties files: conditional blocks ("if "),
// imports ("import "), and look-ups that depend on a file name.
#include <span>
#include <string>
#include <vector>

#include "PropertyMap.h"

class CPropertySet : public PropertyMap {
public:
    using PropertyMap::GetExpanded;

    // Reads one file whole into the set (a leading UTF-8 byte-order mark is
    // skipped). False when it cannot be opened, or when it is already being
    // read further up the import chain. importDir may be null: then "import "
    // lines are ordinary keys. Each imported file that was read is entered in
    // the first empty slot of importedFiles.
    bool ReadFile(const std::string& path, const char* importDir, std::span<std::string> importedFiles);
    void ParseText(const char* text, size_t length, const char* importDir, std::span<std::string> importedFiles);
    // One logical line; `active` is the file's condition flag.
    void ApplyLine(const std::string& line, bool& active, const char* importDir, std::span<std::string> importedFiles);

    // The value of the first entry "keyBase" + pattern list that matches the
    // file name, in definition order; else the bare keyBase entry; else the
    // same in the parent; else "". A pattern list "$(name)" is expanded here.
    std::string LookupForFile(const std::string& keyBase, const std::string& fileName) const;
    // LookupForFile with every reference looked up for the same file name.
    std::string GetExpanded(const std::string& key, const std::string& fileName) const;

private:
    void Import(const std::string& name, const char* importDir, std::span<std::string> importedFiles);

    // Files being read, outermost first, so that an import cycle ends.
    std::vector<std::string> m_readChain;
};
