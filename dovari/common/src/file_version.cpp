#include "dovari_common/file_version.h"

#include "UniqueHandle.h"

#include <cstring>

namespace dovari_common {

bool ReadFixedVersion(const char* path, VS_FIXEDFILEINFO* out)
{
    if (out == nullptr)
        return false;
    char own[MAX_PATH];
    if (path == nullptr) {
        DWORD n = GetModuleFileNameA(nullptr, own, sizeof own);
        if (n == 0 || n >= sizeof own)
            return false;
        path = own;
    }
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0)
        return false;
    UniqueGlobal block(GlobalAlloc(GPTR, size));
    if (!block || !GetFileVersionInfoA(path, 0, size, block.get()))
        return false;
    void* record = nullptr;
    UINT length = 0;
    // A record shorter than the structure would be read past its end.
    if (!VerQueryValueA(block.get(), "\\", &record, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return false;
    std::memcpy(out, record, sizeof(VS_FIXEDFILEINFO));
    return true;
}

} // namespace dovari_common
