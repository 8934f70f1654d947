#include "support.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <io.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace dovari_test {

namespace {

std::string UniqueTempName(const char* prefix)
{
    static unsigned counter = 0;
    char temp[MAX_PATH];
    DWORD n = GetTempPathA(sizeof temp, temp);
    if (n == 0 || n >= sizeof temp)
        throw std::runtime_error("no temporary folder");
    std::string path(temp, n);
    if (path.back() != '\\')
        path += '\\';
    return path + prefix + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "-" +
           std::to_string(GetTickCount());
}

} // namespace

void WriteFile(const std::string& path, std::string_view content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool IsFile(const std::string& path)
{
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::string& path)
{
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFolder(const std::string& path)
{
    if (!CreateDirectoryA(path.c_str(), nullptr))
        throw std::runtime_error("cannot make " + path);
}

namespace {

void RemoveLongTree(const std::string& path)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveLongTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

} // namespace

void RemoveTree(const std::string& path)
{
    // The long form reaches entries past the 260-byte limit too.
    bool absolute = path.size() > 2 && path[1] == ':';
    RemoveLongTree(absolute ? "\\\\?\\" + path : path);
}

std::string ProgramPath()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n);
}

std::string ProgramFolder()
{
    std::string path = ProgramPath();
    return path.substr(0, path.rfind('\\'));
}

std::string Slashed(std::string text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::string Quoted(const std::string& text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

StdoutCapture::StdoutCapture() : file_(UniqueTempName("dovari-out-"))
{
    std::fflush(stdout);
    saved_ = _dup(1);
    int fd = _open(file_.c_str(), _O_CREAT | _O_TRUNC | _O_RDWR | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (saved_ < 0 || fd < 0)
        throw std::runtime_error("cannot redirect standard output");
    _dup2(fd, 1);
    _close(fd);
}

StdoutCapture::~StdoutCapture()
{
    Stop();
    DeleteFileA(file_.c_str());
}

void StdoutCapture::Stop()
{
    if (saved_ < 0)
        return;
    std::fflush(stdout);
    _dup2(saved_, 1);
    _close(saved_);
    saved_ = -1;
}

std::string StdoutCapture::Text()
{
    Stop();
    return ReadFile(file_);
}

CurrentFolder::CurrentFolder(const std::string& folder)
{
    char previous[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(sizeof previous, previous);
    previous_.assign(previous, n);
    if (!SetCurrentDirectoryA(folder.c_str()))
        throw std::runtime_error("cannot enter " + folder);
}

CurrentFolder::~CurrentFolder()
{
    SetCurrentDirectoryA(previous_.c_str());
}

} // namespace dovari_test
