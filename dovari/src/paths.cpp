#include "paths.h"

#include <windows.h>

namespace dovari {

std::string CurrentFolder()
{
    char buf[kPathBytes];
    DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
    if (n == 0 || n >= sizeof buf)
        return {};
    return std::string(buf, n);
}

} // namespace dovari
