#include "ExportSink.h"

#include <cstdio>

#include "ReplacingFile.h"

void ExportWriter::Printf(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n < 0) return;
    if (static_cast<size_t>(n) < sizeof text) {
        Write(std::string_view(text, static_cast<size_t>(n)));
        return;
    }
    std::string longer(static_cast<size_t>(n) + 1, '\0');
    va_start(args, format);
    std::vsnprintf(longer.data(), longer.size(), format, args);
    va_end(args);
    longer.resize(static_cast<size_t>(n));
    Write(longer);
}

bool ExportWriter::Flush() {
    if (!m_buffer.empty()) {
        if (m_ok && !m_sink.Write(m_buffer.data(), m_buffer.size())) m_ok = false;
        m_flushed += m_buffer.size();
        m_buffer.clear();
    }
    return m_ok;
}

bool CrLfSink::Write(const void* data, size_t length) {
    const char* bytes = static_cast<const char*>(data);
    m_converted.clear();
    m_converted.reserve(length + length / 16);
    for (size_t i = 0; i < length; ++i) {
        if (bytes[i] == '\n') m_converted.push_back('\r');
        m_converted.push_back(bytes[i]);
    }
    return m_next.Write(m_converted.data(), m_converted.size());
}

bool WriteExportFile(const std::string& path, ExportFileMode mode, const std::function<bool(IByteSink&)>& write) {
    CReplacingFile file;
    if (!file.Open(path)) return false;
    bool written;
    if (mode == ExportFileMode::Text) {
        CrLfSink text(file);
        written = write(text);
    } else {
        written = write(file);
    }
    // Without Commit the new file is discarded by the destructor.
    return written && file.Commit();
}
