#include "OpenForRead.h"

#include "resource.h"

namespace {

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = length ? std::string(text, length) : std::string();
    if (text) ::LocalFree(text);
    return result;
}

}  // namespace

std::string OpenFailureText(const char* format, const char* path, DWORD error) {
    // The format holds two %s: the path, then the system's text.
    const std::string values[] = {path, SystemErrorText(error)};
    std::string text;
    size_t used = 0;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && used < 2) {
            text += values[used++];
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}

UniqueHandle OpenForRead(const char* path, HWND owner, bool quiet) {
    UniqueHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file || quiet) return file;
    const DWORD error = ::GetLastError();
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    char format[256];
    char caption[64];
    if (::LoadStringA(module, IDS_OPEN_FILE_FAILED, format, sizeof(format)) <= 0) return file;
    if (::LoadStringA(module, IDS_PRODUCT_NAME, caption, sizeof(caption)) <= 0) lstrcpyA(caption, "Tarnwick");
    ::MessageBoxA(owner, OpenFailureText(format, path, error).c_str(), caption, MB_ICONERROR);
    return file;
}

bool CFileByteSource::Read(char* buffer, size_t size, size_t* got) {
    *got = 0;
    DWORD read = 0;
    if (!::ReadFile(m_file, buffer, static_cast<DWORD>(size), &read, nullptr)) return false;
    *got = read;
    return true;
}
