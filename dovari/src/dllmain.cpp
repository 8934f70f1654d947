#include "module.h"

namespace dovari {
HINSTANCE g_module = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        dovari::g_module = instance;
    return TRUE;
}
