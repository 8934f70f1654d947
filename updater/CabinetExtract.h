#pragma once
// Installing a downloaded package (a cabinet) as one step: every entry is
// first unpacked into a staging folder and checked, without touching the
// program; then the old files are moved aside and the new ones put in
// place, and on any failure every old file is put back.
#include <string>
#include <vector>

#include "CabinetCheck.h"

namespace vantrel {

struct StagedFile {
    std::string staged;  // where it was unpacked
    std::string target;  // where it goes in the program folder
};

struct PackageStage {
    bool ok = false;
    CabinetFault fault = kCabinetSound;  // why the cabinet itself was refused
    std::string failedFile;  // else the entry (or the cabinet) that could not be unpacked
    unsigned error = 0;      // and the system's error code for it
    std::string runPath;     // the first entry marked to run (attribute 0x40), its final target
    std::vector<StagedFile> files;
};

// Reads the whole cabinet, refuses it when it is unsound, and unpacks every
// entry into the staging folder; entries that would land outside the
// program folder (no final '\') or on the updater's own places are skipped.
// The program folder itself is left as it was.
PackageStage StagePackage(const std::string& cabinet, const std::string& folder);

struct InstallResult {
    bool ok = false;
    bool restored = true;    // after a failure: every old file is back
    std::string failedFile;  // the file that could not be moved
    unsigned error = 0;
};

// Puts the staged files in place, each old file moved aside first. Old files
// that stay in use (a running program) are listed to be deleted at the
// next start. The staging folder is gone afterwards either way.
InstallResult InstallStagedPackage(const PackageStage& stage, const std::string& folder);

// Removes what an unfinished run left in the staging folder.
void DiscardStaging(const std::string& folder);

std::string SetAsideListPath(const std::string& folder);
// Deletes the files an earlier run listed, but only those inside its own
// backup folder; what is still held stays listed.
void RemoveSetAside(const std::string& folder);

}  // namespace vantrel
