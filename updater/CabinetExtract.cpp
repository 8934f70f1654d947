#include "CabinetExtract.h"

#include <windows.h>
#include <setupapi.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "UpdaterLogic.h"
#include "dovari_common/folder_chain.h"
#include "dovari_common/folder_tree.h"

namespace vantrel {

namespace {

constexpr DWORD kRunAfterExtraction = 0x40;
constexpr int kRestoreAttempts = 5;
constexpr DWORD kRestorePauseMs = 200;

std::string Below(const std::string& folder, const char* relative) { return folder + "\\" + relative; }

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The path as the system resolves it, with existing short names spelt long,
// so that two spellings of one file compare equal.
std::string Resolved(const std::string& path) {
    char full[MAX_PATH];
    const DWORD n = ::GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return path;
    std::string out(full, n);
    // The longest existing folder above the path is spelt long.
    const size_t slash = out.rfind('\\');
    char longer[MAX_PATH];
    if (Exists(out)) {
        const DWORD m = ::GetLongPathNameA(out.c_str(), longer, sizeof longer);
        if (m > 0 && m < sizeof longer) return std::string(longer, m);
    } else if (slash != std::string::npos) {
        const DWORD m = ::GetLongPathNameA(out.substr(0, slash).c_str(), longer, sizeof longer);
        if (m > 0 && m < sizeof longer) return std::string(longer, m) + out.substr(slash);
    }
    return out;
}

// True when path lies inside folder (both resolved; letter case does not count).
bool IsInside(const std::string& path, const std::string& folder) {
    const std::string p = Resolved(path), f = Resolved(folder);
    return p.size() > f.size() + 1 && p[f.size()] == '\\' &&
           ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, p.data(), (int)f.size(), f.data(), (int)f.size()) ==
               CSTR_EQUAL;
}

bool SameFile(const std::string& a, const std::string& b) {
    return ::lstrcmpiA(Resolved(a).c_str(), Resolved(b).c_str()) == 0;
}

std::string ReadWhole(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = (bool)in;
    return ok ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string();
}

std::string BackupRoot(const std::string& folder) {
    char name[32];
    std::snprintf(name, sizeof name, "\\%lu", ::GetCurrentProcessId());
    return Below(folder, kBackupFolder) + name;
}

struct StageState {
    std::string folder, staging, backupRoot;
    PackageStage stage;
    std::map<std::string, size_t> targets;  // lower-cased, so a repeated entry is staged once
    std::vector<uint32_t> sizes;    // the declared size of each staged file
};

// An entry's target, or "" when the entry is refused: one that leaves the
// folder or names one of the updater's own places, however spelt.
std::string EntryTarget(const StageState& state, const char* name) {
    const std::string target = CabinetEntryTarget(state.folder, name);
    if (target.empty()) return "";
    if (SameFile(target, Below(state.folder, kSetAsideList)) || IsInside(target, Below(state.folder, kStagingFolder)) ||
        IsInside(target, Below(state.folder, kBackupFolder)) || !IsInside(target, state.folder))
        return "";
    return target;
}

UINT CALLBACK StageCallback(PVOID context, UINT notification, UINT_PTR param1, UINT_PTR) {
    auto& state = *static_cast<StageState*>(context);
    switch (notification) {
        case SPFILENOTIFY_FILEINCABINET: {
            auto* info = reinterpret_cast<FILE_IN_CABINET_INFO_A*>(param1);
            const std::string target = EntryTarget(state, info->NameInCabinet);
            if (target.empty()) return FILEOP_SKIP;
            const std::string relative = target.substr(state.folder.size() + 1);
            const std::string staged = state.staging + "\\" + relative;
            // Its staged copy and the old file's backup must be nameable too.
            if (staged.size() >= MAX_PATH || state.backupRoot.size() + 1 + relative.size() >= MAX_PATH) {
                state.stage.error = ERROR_FILENAME_EXCED_RANGE;
                state.stage.failedFile = target;
                return FILEOP_ABORT;
            }
            std::string key = Resolved(target);
            ::CharLowerA(key.data());
            const auto known = state.targets.emplace(key, state.stage.files.size());
            if (known.second) {
                state.stage.files.push_back(StagedFile{staged, target});
                state.sizes.push_back(info->FileSize);
            } else {
                state.sizes[known.first->second] = info->FileSize;
            }
            if (state.stage.runPath.empty() && (info->DosAttribs & kRunAfterExtraction)) state.stage.runPath = target;
            dovari_common::CreateFolderChain(staged);
            std::snprintf(info->FullTargetName, sizeof info->FullTargetName, "%s", staged.c_str());
            state.stage.failedFile = staged;
            return FILEOP_DOIT;
        }
        case SPFILENOTIFY_NEEDNEWCABINET:
            return ERROR_FILE_NOT_FOUND;
        case SPFILENOTIFY_FILEEXTRACTED: {
            auto* paths = reinterpret_cast<FILEPATHS_A*>(param1);
            if (paths->Win32Error != NO_ERROR && state.stage.error == 0) state.stage.error = paths->Win32Error;
            return paths->Win32Error;
        }
        default:
            return 0;
    }
}

// The staged file's place back in the program folder's terms.
std::string TargetOf(const PackageStage& stage, const std::string& staged) {
    for (const StagedFile& file : stage.files)
        if (file.staged == staged) return file.target;
    return staged;
}

// After unpacking: every staged file is there with its declared size, and no
// target is a folder that a file cannot replace.
bool CheckStaged(PackageStage& stage, const std::vector<uint32_t>& sizes) {
    for (size_t i = 0; i < stage.files.size(); ++i) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExA(stage.files[i].staged.c_str(), GetFileExInfoStandard, &data) ||
            data.nFileSizeHigh != 0 || data.nFileSizeLow != sizes[i]) {
            stage.failedFile = stage.files[i].target;
            stage.error = ERROR_INVALID_DATA;
            return false;
        }
        if (IsFolder(stage.files[i].target)) {
            stage.failedFile = stage.files[i].target;
            stage.error = ERROR_ALREADY_EXISTS;
            return false;
        }
    }
    return true;
}

// Moves from to to, trying again a few times: a file just let go by an
// ending program or a scanner can stay locked for a moment.
bool MoveBack(const std::string& from, const std::string& to) {
    for (int attempt = 0; attempt < kRestoreAttempts; ++attempt) {
        if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
        ::Sleep(kRestorePauseMs);
    }
    return false;
}

// Creates the folders the path needs, noting each one made, so that a
// failed install can take them away again.
void CreateNeededFolders(const std::string& path, std::vector<std::string>& made) {
    for (size_t i = path.find('\\', 3); i != std::string::npos; i = path.find('\\', i + 1)) {
        const std::string folder = path.substr(0, i);
        if (!Exists(folder) && ::CreateDirectoryA(folder.c_str(), nullptr)) made.push_back(folder);
    }
}

struct Placed {
    std::string staged, target, backup;  // backup empty: there was no old file
    bool placed = false;
};


void RemoveTree(std::string path) { dovari_common::RemoveFolderTree(path); }

void AppendSetAside(const std::string& folder, const std::vector<std::string>& files) {
    if (files.empty()) return;
    const std::string list = SetAsideListPath(folder);
    dovari_common::CreateFolderChain(list);
    std::ofstream out(list, std::ios::app);
    for (const std::string& file : files) out << file << "\n";
}

}  // namespace

PackageStage StagePackage(const std::string& cabinet, const std::string& folder) {
    StageState state;
    state.folder = folder;
    state.staging = Below(folder, kStagingFolder);
    state.backupRoot = BackupRoot(folder);
    bool read = false;
    const std::string bytes = ReadWhole(cabinet, read);
    if (!read) {
        state.stage.failedFile = cabinet;
        state.stage.error = ERROR_READ_FAULT;
        return state.stage;
    }
    const CabinetCheck check = CheckCabinet(bytes);
    if (check.fault != kCabinetSound) {
        state.stage.fault = check.fault;
        state.stage.failedFile = cabinet;
        state.stage.error = ERROR_INVALID_DATA;
        return state.stage;
    }
    DiscardStaging(folder);
    dovari_common::CreateFolderChain(state.staging + "\\");
    const BOOL iterated = ::SetupIterateCabinetA(cabinet.c_str(), 0, StageCallback, &state);
    const DWORD iterationError = ::GetLastError();
    if (state.stage.error == 0 && !iterated) state.stage.error = iterationError ? iterationError : ERROR_INVALID_DATA;
    if (state.stage.error != 0) {
        if (state.stage.failedFile.rfind(state.staging, 0) == 0)
            state.stage.failedFile = TargetOf(state.stage, state.stage.failedFile);
        if (state.stage.failedFile.empty()) state.stage.failedFile = cabinet;
        DiscardStaging(folder);
        return state.stage;
    }
    if (!CheckStaged(state.stage, state.sizes)) {
        DiscardStaging(folder);
        return state.stage;
    }
    state.stage.failedFile.clear();
    state.stage.ok = true;
    return state.stage;
}

InstallResult InstallStagedPackage(const PackageStage& stage, const std::string& folder) {
    InstallResult result;
    const std::string backupRoot = BackupRoot(folder);
    std::vector<Placed> done;
    std::vector<std::string> madeFolders;
    for (const StagedFile& file : stage.files) {
        Placed step{file.staged, file.target};
        CreateNeededFolders(file.target, madeFolders);
        if (Exists(file.target)) {
            step.backup = backupRoot + file.target.substr(folder.size());
            dovari_common::CreateFolderChain(step.backup);
            if (!::MoveFileExA(file.target.c_str(), step.backup.c_str(), MOVEFILE_REPLACE_EXISTING)) {
                result.error = ::GetLastError();
                result.failedFile = file.target;
                break;
            }
        }
        done.push_back(step);
        if (!::MoveFileExA(file.staged.c_str(), file.target.c_str(), 0)) {
            result.error = ::GetLastError();
            result.failedFile = file.target;
            break;
        }
        done.back().placed = true;
    }
    result.ok = result.failedFile.empty();

    if (!result.ok) {
        // Back to the whole old version, the last file first.
        for (auto step = done.rbegin(); step != done.rend(); ++step) {
            if (step->placed && !MoveBack(step->target, step->staged)) result.restored = false;
            if (!step->backup.empty() && !MoveBack(step->backup, step->target)) result.restored = false;
        }
        for (auto made = madeFolders.rbegin(); made != madeFolders.rend(); ++made) ::RemoveDirectoryA(made->c_str());
    } else {
        // Old files still held by a running program go at the next start.
        std::vector<std::string> held;
        for (const Placed& step : done)
            if (!step.backup.empty() && !::DeleteFileA(step.backup.c_str())) held.push_back(step.backup);
        AppendSetAside(folder, held);
    }
    // When an old file could not be put back it stays in the backup folder,
    // where the message sends the user.
    if (result.restored) {
        RemoveTree(backupRoot);
        ::RemoveDirectoryA(Below(folder, kBackupFolder).c_str());  // when no earlier run's files are held there
    }
    DiscardStaging(folder);
    return result;
}

void DiscardStaging(const std::string& folder) {
    RemoveTree(Below(folder, kStagingFolder));
    ::RemoveDirectoryA(Below(folder, "update").c_str());  // only when nothing else is there
}

std::string SetAsideListPath(const std::string& folder) { return Below(folder, kSetAsideList); }

void RemoveSetAside(const std::string& folder) {
    const std::string list = SetAsideListPath(folder);
    const std::string backups = Below(folder, kBackupFolder);
    std::vector<std::string> kept;
    {
        std::ifstream in(list);
        if (!in) return;
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || !IsInside(line, backups)) continue;  // never anything else
            if (!::DeleteFileA(line.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
                kept.push_back(line);
                continue;
            }
            // The folders it leaves empty go too, up to the backup folder.
            for (size_t slash = line.rfind('\\'); slash != std::string::npos && IsInside(line.substr(0, slash), backups);
                 slash = line.rfind('\\', slash - 1))
                if (!::RemoveDirectoryA(line.substr(0, slash).c_str())) break;
        }
    }
    ::DeleteFileA(list.c_str());
    AppendSetAside(folder, kept);
    ::RemoveDirectoryA(backups.c_str());
}

}  // namespace vantrel
