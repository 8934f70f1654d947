// Folder-chain creation and folder-tree deletion (exports 3 and 4).
#include "dovari.h"

#include "dovari_common/folder_chain.h"
#include "dovari_common/path_probe.h"
#include "folder_guard.h"
#include "handles.h"
#include "paths.h"

namespace dovari {
namespace {

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool IsLinkedFolder(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// dir holds the folder without a trailing separator; it is extended and cut
// back in place. Entries that cannot be named within a path are left alone.
void RemoveTree(std::string& dir)
{
    const size_t base = dir.size();
    dir += "\\*";
    WIN32_FIND_DATAA data;
    UniqueFind find(FindFirstFileA(dir.c_str(), &data));
    if (find) {
        do {
            if (IsDotOrDotDot(data.cFileName))
                continue;
            dir.resize(base + 1);
            dir += data.cFileName;
            if (dir.size() >= kPathBytes)
                continue;
            if (IsLinkedFolder(data.dwFileAttributes))
                RemoveDirectoryA(dir.c_str()); // the link only, never its target
            else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (dir.size() + 2 < kPathBytes)
                    RemoveTree(dir);
            } else
                DeleteFileA(dir.c_str()); // a read-only file stays, and so does its folder
        } while (FindNextFileA(find.get(), &data));
    }
    find.reset();
    dir.resize(base);
    RemoveDirectoryA(dir.c_str());
}

} // namespace
} // namespace dovari

using namespace dovari;

extern "C" int MakeDirPath(const char* path)
{
    if (path == nullptr || *path == '\0' || !FitsPath(path))
        return 0;
    dovari_common::CreateFolderChain(path);
    return 1;
}

extern "C" int DeleteDirTree(const char* folder)
{
    if (folder == nullptr || *folder == '\0')
        return 0;
    std::string path;
    if (folder[1] == ':')
        path = folder;
    else {
        path = CurrentFolder();
        if (path.empty())
            return 0;
        if (path.back() != '\\')
            path += '\\';
        path += folder;
    }
    if (path.size() >= kPathBytes || IsProtectedFolder(path))
        return 0;
    if (!dovari_common::OpensForReading(path.c_str()))
        return 0;
    DropTrailingSeparators(path);
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && IsLinkedFolder(attributes))
        RemoveDirectoryA(path.c_str());
    else
        RemoveTree(path);
    return 1;
}
