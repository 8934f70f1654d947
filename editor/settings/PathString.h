#pragma once
// A file path held in one string: set, absolute and root tests, the name,
// the folder, joining and opening. Searches for '\' step by character, so a
// double-byte character whose trail byte is '\' never splits a path.
#include <cstdio>
#include <string>

#include "UniqueHandle.h"

class CPathString {
public:
    CPathString() = default;
    explicit CPathString(std::string text) : m_text(std::move(text)) {}
    CPathString(const std::string& directory, const std::string& name);

    bool IsSet() const { return !m_text.empty(); }
    bool IsAbsolute() const;
    bool IsRoot() const;
    const std::string& AsText() const { return m_text; }

    CPathString Name() const;
    CPathString Directory() const;
    static CPathString Join(const std::string& directory, const std::string& name);
    // Null when the file cannot be opened in that mode ("rb", "wb", ...).
    UniqueFile Open(const char* mode) const;

private:
    std::string m_text;
};
