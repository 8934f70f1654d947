// The DLL's own module handle, recorded when the process loads it.
#pragma once

#include <windows.h>

namespace dovari {
extern HINSTANCE g_module;
}
