#pragma once
// One ini file read through a copy of it held in memory: the file is read
// once and again only when its size or time changes (by another writer),
// and every write goes to the file through the platform as before and into
// the copy. Under Wine each profile read opens the file anew: several
// server round trips each, dozens of them at a start. A file the copy does
// not parse as the platform would (one with a byte-order mark or NULs) is
// read through the platform every time. The settings are the process's, so
// reads and writes may come from any thread.
#include <windows.h>

#include <mutex>
#include <optional>
#include <string>

#include "ProfileImage.h"

class CProfileFile {
public:
    explicit CProfileFile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    // GetPrivateProfileStringA's answer, whole, however long.
    std::string ReadString(const char* section, const char* key, const char* defaultText);
    // GetPrivateProfileSectionA's lines, each NUL-terminated, whole;
    // nothing when the section is missing.
    std::optional<std::string> ReadSection(const char* section);

    // WritePrivateProfileStringA (a key or text of 0 removes as it does);
    // false when the platform failed.
    bool WriteString(const char* section, const char* key, const char* text);
    // WritePrivateProfileSectionA.
    bool WriteSection(const char* section, const char* lines);

private:
    struct Stamp {
        FILETIME written{};
        DWORD sizeLow = 0, sizeHigh = 0;
        bool exists = false;
    };
    static Stamp StampOf(const std::string& path);
    static bool SameStamp(const Stamp& a, const Stamp& b);
    // False when the file is read through the platform instead.
    bool Fresh();

    std::string m_path;
    std::mutex m_lock;
    std::optional<CProfileImage> m_image;
    Stamp m_stamp;
};
