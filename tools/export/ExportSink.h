#pragma once
// Where an exporter's bytes go: a buffered writer over any byte sink that
// counts the bytes it took (the PDF cross-reference table needs offsets),
// sinks over memory and over the text-mode form of a file, and the safe
// file target that puts an export in place only when it was all written.
#include <cstdarg>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "ByteStreams.h"

class ExportWriter {
public:
    explicit ExportWriter(IByteSink& sink) : m_sink(sink) { m_buffer.reserve(kBufferSize); }
    ~ExportWriter() { Flush(); }
    ExportWriter(const ExportWriter&) = delete;
    ExportWriter& operator=(const ExportWriter&) = delete;

    void Put(char c) {
        m_buffer.push_back(c);
        if (m_buffer.size() >= kBufferSize) Flush();
    }
    void Write(std::string_view text) {
        m_buffer.append(text);
        if (m_buffer.size() >= kBufferSize) Flush();
    }
    void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // The bytes taken so far.
    size_t Offset() const { return m_flushed + m_buffer.size(); }
    // False once any write to the sink failed.
    bool Flush();
    bool Ok() const { return m_ok; }

private:
    static constexpr size_t kBufferSize = 1 << 16;

    IByteSink& m_sink;
    std::string m_buffer;
    size_t m_flushed = 0;
    bool m_ok = true;
};

class StringSink : public IByteSink {
public:
    bool Write(const void* data, size_t length) override {
        bytes.append(static_cast<const char*>(data), length);
        return true;
    }
    std::string bytes;
};

// Writes each LF as CR LF, as a file opened in text mode does.
class CrLfSink : public IByteSink {
public:
    explicit CrLfSink(IByteSink& next) : m_next(next) {}
    bool Write(const void* data, size_t length) override;

private:
    IByteSink& m_next;
    std::string m_converted;
};

enum class ExportFileMode { Text, Binary };

// Writes an export beside path and moves it over path only when write
// returned true and every byte was written; a failed export leaves no file
// behind and an old file as it was. False when the file could not be made,
// written or put in place.
bool WriteExportFile(const std::string& path, ExportFileMode mode, const std::function<bool(IByteSink&)>& write);
