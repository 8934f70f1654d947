#include "dovari_common/path_probe.h"

#include "UniqueHandle.h"

namespace dovari_common {

bool AttributesReadable(const char* path)
{
    return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool OpensForReading(const char* path)
{
    if (path == nullptr)
        return false;
    // Backup semantics is what lets a folder be opened like a file.
    UniqueHandle h(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return static_cast<bool>(h);
}

} // namespace dovari_common
