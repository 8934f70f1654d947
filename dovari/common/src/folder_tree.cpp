#include "dovari_common/folder_tree.h"

#include <windows.h>

#include "UniqueHandle.h"

namespace dovari_common {
namespace {

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool IsLinkedFolder(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

} // namespace

void RemoveFolderTree(std::string& dir)
{
    const DWORD attributes = GetFileAttributesA(dir.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && IsLinkedFolder(attributes)) {
        RemoveDirectoryA(dir.c_str()); // the link only, never its target
        return;
    }
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
            if (dir.size() >= MAX_PATH)
                continue;
            if (IsLinkedFolder(data.dwFileAttributes))
                RemoveDirectoryA(dir.c_str());
            else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (dir.size() + 2 < MAX_PATH)
                    RemoveFolderTree(dir);
            } else
                DeleteFileA(dir.c_str());
        } while (FindNextFileA(find.get(), &data));
    }
    find.reset();
    dir.resize(base);
    RemoveDirectoryA(dir.c_str());
}

} // namespace dovari_common
