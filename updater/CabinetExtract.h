#pragma once
// Unpacking a downloaded package (a cabinet) into the program folder.
#include <string>
#include <vector>

namespace vantrel {

struct ExtractResult {
    bool ok = true;
    std::string failedFile;  // the first entry that could not be written
    unsigned error = 0;      // its error code
    std::string runPath;     // the first entry marked to run (attribute 0x40)
    std::vector<std::string> setAside;  // running files renamed to "<name>.old"
};

// True when the file begins like a cabinet ("MSCF").
bool LooksLikeCabinet(const std::string& path);

// Writes every entry below folder (no final '\'); entries that would land
// outside it are skipped. A target that is in use (a running program) is
// renamed aside first and replaced.
ExtractResult ExtractPackage(const std::string& cabinet, const std::string& folder);

// Files set aside by an earlier run are listed here, to be removed at the
// next start, when the programs that held them have ended.
std::string SetAsideListPath(const std::string& folder);
void RememberSetAside(const std::string& folder, const std::vector<std::string>& files);
void RemoveSetAside(const std::string& folder);

}  // namespace vantrel
