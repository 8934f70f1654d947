#include "TempFolder.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH];
    ::GetTempPathA(sizeof(base), base);
    static int counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof(name), "%stw%lu_%d", base, ::GetCurrentProcessId(), counter++);
        if (::CreateDirectoryA(name, nullptr)) {
            m_path = name;
            return;
        }
    }
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

void TempFolder::Write(const std::string& name, const std::string& content) const {
    std::ofstream out(File(name), std::ios::binary);
    out << content;
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int CountFiles(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    int count = 0;
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return count;
}
