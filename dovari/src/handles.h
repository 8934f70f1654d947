// Owning wrappers for the handle kinds only the DLL uses.
#pragma once

#include "dovari_common/unique_handle.h"

#include <wininet.h>
#include <winsvc.h>

namespace dovari {

using dovari_common::Unique;
using dovari_common::UniqueFind;
using dovari_common::UniqueHandle;

struct InternetHandleTraits {
    using Value = HINTERNET;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr; }
    static void close(Value h) { InternetCloseHandle(h); }
};

struct ServiceHandleTraits {
    using Value = SC_HANDLE;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr; }
    static void close(Value h) { CloseServiceHandle(h); }
};

struct MappedViewTraits {
    using Value = void*;
    static Value invalid() { return nullptr; }
    static bool valid(Value v) { return v != nullptr; }
    static void close(Value v) { UnmapViewOfFile(v); }
};

using UniqueInternet = Unique<InternetHandleTraits>;
using UniqueService = Unique<ServiceHandleTraits>;
using UniqueView = Unique<MappedViewTraits>;

} // namespace dovari
