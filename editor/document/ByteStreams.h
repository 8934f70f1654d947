#pragma once
// Where file bytes come from and go to, so that loading and saving can be
// run over memory and over failing streams as well as over files.
#include <cstddef>

class IByteSource {
public:
    virtual ~IByteSource() = default;
    // Reads up to size bytes; *got = 0 at the end. False on a read error.
    virtual bool Read(char* buffer, size_t size, size_t* got) = 0;
};

class IByteSink {
public:
    virtual ~IByteSink() = default;
    // False unless every byte was written.
    virtual bool Write(const void* data, size_t length) = 0;
};
