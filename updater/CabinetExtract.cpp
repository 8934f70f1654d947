#include "CabinetExtract.h"

#include <windows.h>
#include <setupapi.h>

#include <cstdio>
#include <cstring>
#include <fstream>

#include "UpdaterLogic.h"
#include "dovari_common/folder_chain.h"
#include "UniqueHandle.h"

namespace vantrel {

namespace {

constexpr DWORD kRunAfterExtraction = 0x40;

struct ExtractState {
    std::string folder;
    ExtractResult result;
    std::string current;  // the entry being written
};

// A target that exists but cannot be opened for writing is most likely a
// running program: move it out of the way so the new file can take its name.
// One that can is removed: the extraction writes over an existing file
// without shortening it, so a shorter new file would keep the old one's tail.
void SetAsideIfBusy(const std::string& target, ExtractState& state) {
    const DWORD attributes = ::GetFileAttributesA(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    bool writable = false;
    {
        UniqueHandle file(::CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        writable = (bool)file;
    }
    if (writable && ::DeleteFileA(target.c_str())) return;
    const std::string aside = target + ".old";
    ::DeleteFileA(aside.c_str());
    if (::MoveFileExA(target.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING)) state.result.setAside.push_back(aside);
}

UINT CALLBACK CabinetFileCallback(PVOID context, UINT notification, UINT_PTR param1, UINT_PTR) {
    auto& state = *static_cast<ExtractState*>(context);
    switch (notification) {
        case SPFILENOTIFY_FILEINCABINET: {
            auto* info = reinterpret_cast<FILE_IN_CABINET_INFO_A*>(param1);
            const std::string target = CabinetEntryTarget(state.folder, info->NameInCabinet);
            if (target.empty()) return FILEOP_SKIP;
            if (state.result.runPath.empty() && (info->DosAttribs & kRunAfterExtraction)) state.result.runPath = target;
            dovari_common::CreateFolderChain(target);
            SetAsideIfBusy(target, state);
            std::snprintf(info->FullTargetName, sizeof info->FullTargetName, "%s", target.c_str());
            state.current = target;
            return FILEOP_DOIT;
        }
        case SPFILENOTIFY_NEEDNEWCABINET:
            return ERROR_FILE_NOT_FOUND;
        case SPFILENOTIFY_FILEEXTRACTED: {
            auto* paths = reinterpret_cast<FILEPATHS_A*>(param1);
            if (paths->Win32Error != NO_ERROR && state.result.ok) {
                state.result.ok = false;
                state.result.error = paths->Win32Error;
                state.result.failedFile = paths->Target ? paths->Target : state.current;
            }
            return paths->Win32Error;
        }
        default:
            return 0;
    }
}

}  // namespace

bool LooksLikeCabinet(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[4] = {};
    return in.read(head, 4) && std::memcmp(head, "MSCF", 4) == 0;
}

ExtractResult ExtractPackage(const std::string& cabinet, const std::string& folder) {
    ExtractState state;
    state.folder = folder;
    if (!::SetupIterateCabinetA(cabinet.c_str(), 0, CabinetFileCallback, &state) && state.result.ok) {
        state.result.ok = false;
        state.result.error = ::GetLastError();
        // Some cabinet readers give up on an entry without reporting it as
        // extracted: the entry last handed out is the one that failed.
        state.result.failedFile = state.current.empty() ? cabinet : state.current;
    }
    return state.result;
}

std::string SetAsideListPath(const std::string& folder) { return folder + "\\update\\setaside.txt"; }

void RememberSetAside(const std::string& folder, const std::vector<std::string>& files) {
    if (files.empty()) return;
    dovari_common::CreateFolderChain(SetAsideListPath(folder));
    std::ofstream out(SetAsideListPath(folder), std::ios::app);
    for (const std::string& file : files) out << file << "\n";
}

void RemoveSetAside(const std::string& folder) {
    const std::string list = SetAsideListPath(folder);
    std::ifstream in(list);
    if (!in) return;
    std::string line;
    bool all = true;
    while (std::getline(in, line))
        if (!line.empty() && !::DeleteFileA(line.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND) all = false;
    in.close();
    // What is still held stays listed for the start after.
    if (all) ::DeleteFileA(list.c_str());
}

}  // namespace vantrel
