#include "OpenForRead.h"

#include "ResourceText.h"
#include "UiSeams.h"
#include "resource.h"

std::string OpenFailureText(const char* format, const char* path, DWORD error) {
    // The format holds two %s: the path, then the system's text.
    return FillText(format, {path, SystemErrorText(error)});
}

UniqueHandle OpenForRead(const char* path, HWND owner, bool quiet) {
    UniqueHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file || quiet) return file;
    const DWORD error = ::GetLastError();
    const std::string format = LoadText(IDS_OPEN_FILE_FAILED);
    if (format.empty()) return file;
    ShowMessage(owner, OpenFailureText(format.c_str(), path, error), MB_ICONERROR);
    return file;
}

bool CFileByteSource::Read(char* buffer, size_t size, size_t* got) {
    *got = 0;
    DWORD read = 0;
    if (!::ReadFile(m_file, buffer, static_cast<DWORD>(size), &read, nullptr)) return false;
    *got = read;
    return true;
}
