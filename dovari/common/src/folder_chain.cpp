#include "dovari_common/folder_chain.h"

#include "dovari_common/path_probe.h"

#include <windows.h>

#include <string>

namespace dovari_common {

void CreateFolderChain(std::string_view path)
{
    // Our own copy is cut at each '\' in turn; the caller's text stays as it is.
    std::string work(path);
    for (size_t i = 0; i < work.size(); ++i) {
        if (work[i] != '\\' || i == 0)
            continue;
        work[i] = '\0';
        if (!OpensForReading(work.c_str()))
            CreateDirectoryA(work.c_str(), nullptr);
        work[i] = '\\';
    }
}

} // namespace dovari_common
