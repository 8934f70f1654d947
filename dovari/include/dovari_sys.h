// dovari: version, window and driver-service exports (imported by ordinal).
// Kept apart from dovari.h so that CenterWindow stays out of the editor's
// headers, where window classes have members of that name.
#pragma once

#include "dovari.h"

#include <winsvc.h>

#ifdef __cplusplus
extern "C" {
#endif

// --- Version (a NULL path is the running program's own file) -------------

// 23: copies the file's fixed version record.
DOVARI_API int GetFileFixedVersion(const char* path, VS_FIXEDFILEINFO* out);
// 24: "major.minor.build.revision", copied only when shorter than size. The
// answer is 1 whenever the file has a version record, also when it did not fit.
DOVARI_API int GetFileVersionText(const char* path, char* text, int size);
// 25: prints "<program> Version <version>\n" ("1.0.0" without a record).
DOVARI_API int PrintVersionBanner(void);

// 26: moves the window 30 pixels above the screen centre.
DOVARI_API int CenterWindow(HWND window);

// --- Kernel-driver services ---------------------------------------------
// A service's device is opened as "\\.\Global\<name>".

// 33
DOVARI_API int ServiceCreate(SC_HANDLE manager, const char* name, const char* driverPath);
// 34: also 1 when the service already runs or is disabled.
DOVARI_API int ServiceStart(SC_HANDLE manager, const char* name);
// 35: with device NULL the opened device is closed again.
DOVARI_API int DeviceOpen(const char* name, HANDLE* device);
// 36
DOVARI_API int ServiceStop(SC_HANDLE manager, const char* name);
// 37
DOVARI_API int ServiceDelete(SC_HANDLE manager, const char* name);
// 38: deletes, creates and starts the service, then opens its device. The
// answer is the device opening's; error (when given) gets the last error.
DOVARI_API int DriverLoad(const char* name, const char* driverPath, HANDLE* device, DWORD* error);
// 39: stops and deletes the service; answers 1.
DOVARI_API int DriverUnload(const char* name);

#ifdef __cplusplus
}
#endif
