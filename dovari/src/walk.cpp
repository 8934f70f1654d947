// Recursive folder walks with a callback per entry (exports 5 and 6).
//
// One path buffer serves the whole walk: it holds the listing pattern while
// a folder is opened, then the folder part plus each entry's name, and is
// extended and cut in place as the walk goes down and up.
//
// A recursive walk enters each real folder once: a link to an ancestor or
// to a folder walked already would otherwise lead it round the same folders
// until the path limit, which with more than one link takes for ever.
#include "dovari.h"

#include "handles.h"
#include "paths.h"

#include <shlwapi.h>

#include <cstdint>
#include <set>
#include <utility>

namespace dovari {
namespace {

// The listing pattern for a folder text: trailing separators dropped, then
// "\*" appended unless the text already ends in a pattern of its own.
bool MakePattern(const char* folder, std::string& pattern)
{
    if (!FitsPath(folder))
        return false;
    pattern = folder;
    DropTrailingSeparators(pattern);
    if (pattern.empty() || pattern.back() != '*')
        pattern += "\\*";
    return pattern.size() < kPathBytes;
}

// Length of the folder part of a pattern, separator included. Full paths are
// built from it, so a pattern like "src\a*" gives "src\abc.cpp".
size_t FolderPartLength(const std::string& pattern)
{
    size_t sep = pattern.find_last_of("\\/");
    if (sep != std::string::npos)
        return sep + 1;
    return pattern.size() >= 2 && pattern[1] == ':' ? 2 : 0;
}

bool IsFolder(const WIN32_FIND_DATAA& data)
{
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The folders a walk has entered, by volume serial number and file index:
// the same for every path that leads to a folder, links included (under
// Wine a link to a folder lists as a folder with the reparse-point
// attribute, and opening it gives the target's identity).
class WalkedFolders {
public:
    // True the first time a folder is met, and for a folder whose identity
    // cannot be read (walked as it always was).
    bool FirstVisit(const std::string& folder)
    {
        std::string name = folder;
        DropTrailingSeparators(name);
        if (name.empty())
            name.push_back('.');
        else if (name.back() == ':')
            name += '\\';
        UniqueHandle handle(CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        BY_HANDLE_FILE_INFORMATION info;
        if (!handle || !GetFileInformationByHandle(handle.get(), &info))
            return true;
        const uint64_t index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
        return seen_.insert({info.dwVolumeSerialNumber, index}).second;
    }

private:
    std::set<std::pair<DWORD, uint64_t>> seen_;
};

struct FileWalk {
    const char* patterns;
    bool recurse;
    EnumFilesCallback callback;
    void* param;
    void* user;
    std::string path;
    WalkedFolders walked;
};

// path holds the pattern to list on entry.
void WalkFiles(FileWalk& w)
{
    WIN32_FIND_DATAA data;
    UniqueFind find(FindFirstFileA(w.path.c_str(), &data));
    const size_t base = FolderPartLength(w.path);
    if (!find)
        return;
    do {
        if (data.cFileName[0] == '.')
            continue;
        w.path.resize(base);
        w.path += data.cFileName;
        if (w.path.size() >= kPathBytes)
            continue;
        if (IsFolder(data)) {
            if (w.recurse && w.path.size() + 2 < kPathBytes && w.walked.FirstVisit(w.path)) {
                w.path += "\\*";
                WalkFiles(w);
            }
            continue;
        }
        if (w.patterns != nullptr && !PathMatchSpecA(data.cFileName, w.patterns))
            continue;
        if (w.callback(&data, w.path.c_str(), w.param, w.user) == 0)
            break;
    } while (FindNextFileA(find.get(), &data));
}

struct DirWalk {
    bool recurse;
    EnumDirsCallback callback;
    void* param;
    void* user;
    std::string path;
    WalkedFolders walked;
};

void WalkDirs(DirWalk& w)
{
    WIN32_FIND_DATAA data;
    UniqueFind find(FindFirstFileA(w.path.c_str(), &data));
    const size_t base = FolderPartLength(w.path);
    if (!find)
        return;
    do {
        if (data.cFileName[0] == '.' || !IsFolder(data))
            continue;
        w.path.resize(base);
        w.path += data.cFileName;
        w.path += '\\';
        if (w.path.size() >= kPathBytes)
            continue;
        // A folder met again through a link is neither passed nor entered.
        if (w.recurse && !w.walked.FirstVisit(w.path))
            continue;
        w.callback(&data, w.path.c_str(), w.param, w.user);
        if (w.recurse && w.path.size() + 1 < kPathBytes) {
            w.path += '*';
            WalkDirs(w);
        }
    } while (FindNextFileA(find.get(), &data));
}

} // namespace
} // namespace dovari

using namespace dovari;

extern "C" int EnumFiles(const char* folder, const char* patterns, int recurse,
                         EnumFilesCallback callback, void* param, void* user)
{
    FileWalk w{patterns, recurse != 0, callback, param, user, {}, {}};
    if (callback == nullptr || !MakePattern(folder, w.path))
        return 0;
    if (w.recurse)
        w.walked.FirstVisit(w.path.substr(0, FolderPartLength(w.path)));
    WalkFiles(w);
    return 0;
}

extern "C" int EnumDirs(const char* folder, int recurse, EnumDirsCallback callback, void* param,
                        void* user)
{
    // Only exactly 1 recurses.
    DirWalk w{recurse == 1, callback, param, user, {}, {}};
    if (callback == nullptr || !MakePattern(folder, w.path))
        return 0;
    if (w.recurse)
        w.walked.FirstVisit(w.path.substr(0, FolderPartLength(w.path)));
    WalkDirs(w);
    return 0;
}
