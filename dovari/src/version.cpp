// Version queries and the console banner (exports 23-25).
#include "dovari_sys.h"

#include "dovari_common/file_version.h"
#include "paths.h"

#include <cstdio>
#include <cstring>

using namespace dovari;

extern "C" int GetFileFixedVersion(const char* path, VS_FIXEDFILEINFO* out)
{
    return dovari_common::ReadFixedVersion(path, out) ? 1 : 0;
}

extern "C" int GetFileVersionText(const char* path, char* text, int size)
{
    VS_FIXEDFILEINFO info;
    if (!dovari_common::ReadFixedVersion(path, &info))
        return 0;
    char formatted[64];
    std::snprintf(formatted, sizeof formatted, "%d.%d.%d.%d", HIWORD(info.dwFileVersionMS),
                  LOWORD(info.dwFileVersionMS), HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS));
    // Only a text that fits whole is copied; the answer stays 1 either way.
    if (text != nullptr && size > 0 && std::strlen(formatted) < static_cast<size_t>(size))
        std::memcpy(text, formatted, std::strlen(formatted) + 1);
    return 1;
}

extern "C" int PrintVersionBanner(void)
{
    char path[kPathBytes];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path)
        return 0;
    const char* sep = std::strrchr(path, '\\');
    const char* name = sep ? sep + 1 : path;
    char version[64] = "1.0.0";
    GetFileVersionText(nullptr, version, sizeof version);
    return std::printf("%s Version %s\n", name, version);
}
