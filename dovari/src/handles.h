// Owning wrappers for the handle kinds only the DLL uses.
#pragma once

#include "UniqueHandle.h"

#include <wininet.h>
#include <winsvc.h>

namespace dovari {

struct InternetHandleTraits {
    using Value = HINTERNET;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr; }
    static bool close(Value h) { return InternetCloseHandle(h) != FALSE; }
};

struct ServiceHandleTraits {
    using Value = SC_HANDLE;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr; }
    static bool close(Value h) { return CloseServiceHandle(h) != FALSE; }
};

using UniqueInternet = Unique<InternetHandleTraits>;
using UniqueService = Unique<ServiceHandleTraits>;

} // namespace dovari
