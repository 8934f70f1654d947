// Kernel-driver services and their devices (exports 33-39).
#include "dovari_sys.h"

#include "handles.h"

#include <cstdio>

using namespace dovari;

namespace {

constexpr DWORD kServiceAllAccess = 0xF01FF;
constexpr DWORD kManagerAllAccess = 0xF003F;
constexpr size_t kDevicePathBytes = 64;

UniqueService OpenNamed(SC_HANDLE manager, const char* name)
{
    return UniqueService(OpenServiceA(manager, name, kServiceAllAccess));
}

// Systems before major version 5 have no per-session device names.
bool FormatDevicePath(const char* name, char (&path)[kDevicePathBytes])
{
    DWORD major = LOBYTE(LOWORD(GetVersion()));
    const char* format = major < 5 ? "\\\\.\\%s" : "\\\\.\\Global\\%s";
    int n = std::snprintf(path, sizeof path, format, name);
    return n > 0 && static_cast<size_t>(n) < sizeof path;
}

} // namespace

extern "C" int ServiceCreate(SC_HANDLE manager, const char* name, const char* driverPath)
{
    UniqueService service(CreateServiceA(manager, name, name, kServiceAllAccess, SERVICE_KERNEL_DRIVER,
                                         SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, driverPath, nullptr,
                                         nullptr, nullptr, nullptr, nullptr));
    return service ? 1 : 0;
}

extern "C" int ServiceStart(SC_HANDLE manager, const char* name)
{
    UniqueService service = OpenNamed(manager, name);
    if (!service)
        return 0;
    if (StartServiceA(service.get(), 0, nullptr))
        return 1;
    DWORD error = GetLastError();
    return error == ERROR_SERVICE_ALREADY_RUNNING || error == ERROR_SERVICE_DISABLED ? 1 : 0;
}

extern "C" int DeviceOpen(const char* name, HANDLE* device)
{
    char path[kDevicePathBytes];
    if (name == nullptr || !FormatDevicePath(name, path))
        return 0;
    UniqueHandle opened(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened)
        return 0;
    if (device != nullptr)
        *device = opened.release();
    return 1;
}

extern "C" int ServiceStop(SC_HANDLE manager, const char* name)
{
    UniqueService service = OpenNamed(manager, name);
    SERVICE_STATUS status;
    return service && ControlService(service.get(), SERVICE_CONTROL_STOP, &status) ? 1 : 0;
}

extern "C" int ServiceDelete(SC_HANDLE manager, const char* name)
{
    UniqueService service = OpenNamed(manager, name);
    return service && DeleteService(service.get()) ? 1 : 0;
}

extern "C" int DriverLoad(const char* name, const char* driverPath, HANDLE* device, DWORD* error)
{
    UniqueService manager(OpenSCManagerA(nullptr, nullptr, kManagerAllAccess));
    // Each step runs even when the one before failed (no old service, already
    // created, already running); only the device opening decides.
    ServiceDelete(manager.get(), name);
    ServiceCreate(manager.get(), name, driverPath);
    ServiceStart(manager.get(), name);
    int opened = DeviceOpen(name, device);
    if (error != nullptr)
        *error = GetLastError();
    return opened;
}

extern "C" int DriverUnload(const char* name)
{
    UniqueService manager(OpenSCManagerA(nullptr, nullptr, kManagerAllAccess));
    ServiceStop(manager.get(), name);
    ServiceDelete(manager.get(), name);
    return 1;
}
