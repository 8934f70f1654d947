#include "StartFiles.h"

#include <windows.h>

#include "OpenRefusal.h"
#include "ResourceText.h"

namespace {

std::vector<std::string> s_startFiles;

// Wine's own export; a name beginning with '/' is a host path there, which
// the platform's path rules would take as a path on the current drive.
std::string HostPathToDrivePath(const std::string& argument) {
    using DosName = WCHAR*(CDECL*)(const char*);
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    auto toDos = kernel ? reinterpret_cast<DosName>(::GetProcAddress(kernel, "wine_get_dos_file_name")) : nullptr;
    if (!toDos) return std::string();
    WCHAR* dos = toDos(argument.c_str());
    if (!dos) return std::string();
    std::string path;
    // A name the ANSI code page cannot carry would name another file.
    if (::GetFileAttributesW(dos) != INVALID_FILE_ATTRIBUTES && ToWide(ToAnsi(dos)) == dos) path = ToAnsi(dos);
    ::HeapFree(::GetProcessHeap(), 0, dos);
    return path;
}

}  // namespace

std::string FullStartPath(const std::string& argument) {
    if (argument.empty() || IsDeviceName(argument)) return argument;
    if (argument[0] == '/' && (argument.size() < 2 || argument[1] != '/')) {
        std::string host = HostPathToDrivePath(argument);
        if (!host.empty()) return host;
    }
    // Asked for its length first: a long result is never cut.
    const DWORD needed = ::GetFullPathNameA(argument.c_str(), 0, nullptr, nullptr);
    if (!needed) return argument;
    std::string full(needed, '\0');
    const DWORD got = ::GetFullPathNameA(argument.c_str(), needed, full.data(), nullptr);
    if (!got || got >= needed) return argument;
    full.resize(got);
    return full;
}

const std::vector<std::string>& StartFiles() { return s_startFiles; }

void SetStartFiles(std::vector<std::string> files) { s_startFiles = std::move(files); }
