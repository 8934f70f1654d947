#include "UnixShell.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

std::wstring Widen(const std::string& text) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring wide(n, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), wide.data(), n);
    return wide;
}

}  // namespace

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string UnixPath(const std::string& windowsPath) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    static const auto toUnix =
        reinterpret_cast<UnixName>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    if (!toUnix) return "";
    char* name = toUnix(Widen(windowsPath).c_str());
    if (!name) return "";
    std::string result = name;
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

int RunUnixShell(const std::string& command) {
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    wchar_t marker[MAX_PATH] = {};
    if (!::GetTempFileNameW(folder, L"sh", 0, marker)) return -1;
    ::DeleteFileW(marker);
    char markerAnsi[MAX_PATH] = {};
    ::WideCharToMultiByte(CP_ACP, 0, marker, -1, markerAnsi, MAX_PATH, nullptr, nullptr);
    const std::string markerUnix = UnixPath(markerAnsi);
    if (markerUnix.empty()) return -1;

    // The status goes to a side file first, so that the marker appears whole.
    const std::string script = "( " + command + " ) >/dev/null 2>&1; echo $? > " + ShellQuote(markerUnix + ".w") +
                               "; mv " + ShellQuote(markerUnix + ".w") + " " + ShellQuote(markerUnix);
    // Wine splits the command line by the Windows rules for the Linux
    // program: inside double quotes only a quote needs its backslash (the
    // commands hold no backslashes of their own).
    std::string quoted = "\"";
    for (char c : script) {
        if (c == '"') quoted += '\\';
        quoted += c;
    }
    quoted += "\"";
    std::wstring line = L"/bin/sh -c " + Widen(quoted);
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return -1;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    for (int i = 0; i < 2000; ++i) {
        std::ifstream in(marker);
        int status = -1;
        if (in >> status) {
            in.close();
            ::DeleteFileW(marker);
            return status;
        }
        ::Sleep(10);
    }
    return -1;
}
