#pragma once
// Byte sources and sinks over memory, with faults on request.
#include <algorithm>
#include <cstring>
#include <string>

#include "ByteStreams.h"
#include "TextStreams.h"

class MemorySource : public IByteSource {
public:
    // Reads at most step bytes at a time; fails once failAt bytes were read.
    explicit MemorySource(std::string bytes, size_t step = SIZE_MAX, size_t failAt = SIZE_MAX)
        : m_bytes(std::move(bytes)), m_step(step), m_failAt(failAt) {}
    bool Read(char* buffer, size_t size, size_t* got) override {
        *got = 0;
        if (m_position >= m_failAt) return false;
        const size_t n = std::min({size, m_step, m_bytes.size() - m_position});
        std::memcpy(buffer, m_bytes.data() + m_position, n);
        m_position += n;
        *got = n;
        return true;
    }

private:
    std::string m_bytes;
    size_t m_position = 0;
    size_t m_step;
    size_t m_failAt;
};

class MemorySink : public IByteSink {
public:
    // Refuses the write that would take it past capacity, like a full disk.
    explicit MemorySink(size_t capacity = SIZE_MAX) : m_capacity(capacity) {}
    bool Write(const void* data, size_t length) override {
        if (bytes.size() + length > m_capacity) return false;
        bytes.append(static_cast<const char*>(data), length);
        return true;
    }
    std::string bytes;

private:
    size_t m_capacity;
};

class StringTarget : public ITextTarget {
public:
    void Begin(EncodingCode encoding, EolCode eolMode) override {
        ++begins;
        this->encoding = encoding;
        this->eolMode = eolMode;
    }
    void Append(const char* data, size_t length) override { text.append(data, length); }
    std::string text;
    int encoding = -1;  // -1 until Begin
    int eolMode = -1;
    int begins = 0;
};

// The codes a text is written in, and those of them the component holds as UTF-8.
inline constexpr EncodingCode kTextCodes[] = {kEncodingAnsi, kEncodingUtf16Be, kEncodingUtf16Le, kEncodingUtf8,
                                              kEncodingUtf8NoBom};
inline constexpr EncodingCode kUnicodeCodes[] = {kEncodingUtf16Be, kEncodingUtf16Le, kEncodingUtf8, kEncodingUtf8NoBom};

struct Loaded {
    bool ok;
    ReadSummary summary;
    std::string text;
};

inline Loaded LoadBytes(const std::string& bytes, EncodingCode openCode, size_t step = SIZE_MAX, size_t failAt = SIZE_MAX) {
    MemorySource source(bytes, step, failAt);
    StringTarget target;
    Loaded result{};
    result.ok = ReadText(source, openCode, target, &result.summary);
    result.text = target.text;
    return result;
}

inline bool SaveBytes(const std::string& text, EncodingCode code, MemorySink& sink) {
    return WriteText(text.data(), text.size(), code, sink);
}

inline std::string SaveBytes(const std::string& text, EncodingCode code) {
    MemorySink sink;
    SaveBytes(text, code, sink);
    return sink.bytes;
}
