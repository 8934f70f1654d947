#pragma once
// Where layout items keep their values: a store opened on one section of a
// layout file, with string and binary values. CLayoutFile is the store over
// an ini file; a section store is a second CLayoutFile filled from its parent,
// sharing its parent's copy of the file in memory.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ProfileFile.h"

enum LayoutCode : long {
    kLayoutOk = 0,
    kLayoutNoData = 232,    // the key is absent or empty
    kLayoutMoreData = 234,  // the buffer is too small; the length says how much is needed
};

class CLayoutStore {
public:
    virtual ~CLayoutStore() = default;
    virtual LayoutCode OpenSectionForReading(const CLayoutStore& parent, const char* section, int mode) = 0;
    virtual LayoutCode OpenSectionForWriting(const CLayoutStore& parent, const char* section, int mode) = 0;
    virtual LayoutCode WriteString(const char* key, const char* text) = 0;
    // length: the buffer's size in; the characters copied, or those needed, out.
    virtual LayoutCode ReadString(const char* key, char* buffer, size_t& length) = 0;
    LayoutCode WriteBinary(const char* key, const uint8_t* bytes, size_t count);
    // length: the buffer's size in bytes in; the bytes parsed out.
    LayoutCode ReadBinary(const char* key, uint8_t* buffer, size_t& length);
    // The value when it holds exactly count bytes; anything else is missing.
    bool ReadExact(const char* key, uint8_t* buffer, size_t count);
};

class CLayoutFile : public CLayoutStore {
public:
    // The program folder followed by "\default.ui".
    CLayoutFile();
    explicit CLayoutFile(std::string path);

    LayoutCode OpenSectionForReading(const CLayoutStore& parent, const char* section, int mode) override;
    LayoutCode OpenSectionForWriting(const CLayoutStore& parent, const char* section, int mode) override;
    LayoutCode WriteString(const char* key, const char* text) override;
    LayoutCode ReadString(const char* key, char* buffer, size_t& length) override;

    const std::string& Path() const { return m_path; }
    const std::string& Section() const { return m_section; }

    static constexpr size_t kSectionChars = 31;
    static constexpr size_t kReadChars = 512;

private:
    void OpenSection(const CLayoutStore& parent, const char* section);

    std::string m_section;
    std::string m_path;
    std::shared_ptr<CProfileFile> m_file;
};

// The program's own folder, without a trailing backslash.
std::string ProgramFolder();
