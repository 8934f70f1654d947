// Folder-chain creation and folder-tree deletion (exports 3 and 4).
#include "dovari.h"

#include "dovari_common/folder_chain.h"
#include "dovari_common/folder_tree.h"
#include "dovari_common/path_probe.h"
#include "folder_guard.h"
#include "paths.h"

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
    dovari_common::RemoveFolderTree(path);
    return 1;
}
