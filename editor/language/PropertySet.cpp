#include "PropertySet.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "Expansion.h"
#include "FilePattern.h"
#include "LogicalLine.h"
#include "UniqueHandle.h"

namespace {

// A second guard behind the cycle check, against very deep import chains.
constexpr size_t kMaxImportDepth = 32;

bool ReadWholeFile(const std::string& path, std::string& text) {
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0) text.append(chunk, got);
    return true;
}

// The same file reached by two spellings must be seen as one; the compare
// ignores case as the file system does.
std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    return _fullpath(full, path.c_str(), sizeof(full)) ? std::string(full) : path;
}

bool SamePath(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

class ChainEntry {
public:
    ChainEntry(std::vector<std::string>& chain, std::string key) : m_chain(chain) { m_chain.push_back(std::move(key)); }
    ~ChainEntry() { m_chain.pop_back(); }
    ChainEntry(const ChainEntry&) = delete;
    ChainEntry& operator=(const ChainEntry&) = delete;

private:
    std::vector<std::string>& m_chain;
};

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool AnyItemMatches(const std::string& patterns, const std::string& fileName) {
    size_t start = 0;
    for (;;) {
        size_t end = patterns.find(';', start);
        size_t length = (end == std::string::npos ? patterns.size() : end) - start;
        if (MatchFilePattern(patterns.data() + start, length, fileName.c_str())) return true;
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

}  // namespace

bool CPropertySet::ReadFile(const std::string& path, const char* importDir, std::span<std::string> importedFiles) {
    std::string key = FullPath(path);
    if (m_readChain.size() >= kMaxImportDepth) return false;
    for (const std::string& reading : m_readChain) {
        if (SamePath(reading, key)) return false;
    }
    std::string text;
    if (!ReadWholeFile(path, text)) return false;
    ChainEntry entry(m_readChain, std::move(key));
    size_t skip = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    ParseText(text.data() + skip, text.size() - skip, importDir, importedFiles);
    return true;
}

void CPropertySet::ParseText(const char* text, size_t length, const char* importDir,
                             std::span<std::string> importedFiles) {
    // Every file starts active; an import has its own flag.
    bool active = true;
    const char* pos = text;
    const char* end = text + length;
    std::string line;
    while (NextLogicalLine(pos, end, line)) ApplyLine(line, active, importDir, importedFiles);
}

void CPropertySet::ApplyLine(const std::string& line, bool& active, const char* importDir,
                             std::span<std::string> importedFiles) {
    if (line.empty()) return;
    // An unindented line ends a conditional block.
    if (line[0] != ' ' && line[0] != '\t') active = true;
    if (StartsWith(line, "if ")) {
        active = GetInt(line.substr(3), 0) != 0;
        return;
    }
    if (importDir && StartsWith(line, "import ")) {
        Import(line.substr(7), importDir, importedFiles);
        return;
    }
    if (!active) return;
    size_t first = line.find_first_not_of(" \t");
    if (first != std::string::npos && line[first] == '#') return;
    SetFromLine(line);
}

void CPropertySet::Import(const std::string& name, const char* importDir, std::span<std::string> importedFiles) {
    std::string file = name + ".properties";
    bool absolute = file[0] == '\\' || (file.size() >= 2 && file[1] == ':');
    std::string path = absolute ? file : std::string(importDir) + "\\" + file;
    if (path.size() >= MAX_PATH) return;
    if (!ReadFile(path, importDir, importedFiles)) return;
    for (std::string& slot : importedFiles) {
        if (slot.empty()) {
            slot = path;
            break;
        }
    }
}

std::string CPropertySet::LookupForFile(const std::string& keyBase, const std::string& fileName) const {
    for (const PropertyMap* set = this; set; set = set->Parent()) {
        const PropertyEntry* bare = nullptr;
        for (const PropertyEntry& entry : set->Entries()) {
            if (entry.key.compare(0, keyBase.size(), keyBase) != 0) continue;
            if (entry.key.size() == keyBase.size()) {
                // Only when no pattern entry of this set matches.
                bare = &entry;
                continue;
            }
            std::string patterns = entry.key.substr(keyBase.size());
            if (StartsWith(patterns, "$(")) {
                size_t close = patterns.find(')', 2);
                if (close != std::string::npos) patterns = GetExpanded(patterns.substr(2, close - 2));
            }
            if (AnyItemMatches(patterns, fileName)) return entry.value;
        }
        if (bare) return bare->value;
    }
    return std::string();
}

std::string CPropertySet::GetExpanded(const std::string& key, const std::string& fileName) const {
    return ExpandReferences(LookupForFile(key, fileName), key,
                            [&](const std::string& name) { return LookupForFile(name, fileName); });
}
