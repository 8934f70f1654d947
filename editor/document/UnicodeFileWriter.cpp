#include "UnicodeFileWriter.h"

#include <algorithm>
#include <cstring>

#include "EncodingCodes.h"
#include "Utf8.h"

void CUnicodeFileWriter::Open(IByteSink* sink) {
    m_sink = sink;
    m_markPending = true;
    m_failed = false;
    m_tailLength = 0;
}

bool CUnicodeFileWriter::Emit(const void* data, size_t length) {
    if (m_failed || !m_sink) return false;
    if (length > 0 && !m_sink->Write(data, length)) m_failed = true;
    return !m_failed;
}

bool CUnicodeFileWriter::WriteMarkIfPending() {
    if (!m_markPending) return !m_failed;
    m_markPending = false;
    if (!m_writeBom) return !m_failed;
    static const unsigned char utf8[] = {0xEF, 0xBB, 0xBF};
    static const unsigned char be[] = {0xFE, 0xFF};
    static const unsigned char le[] = {0xFF, 0xFE};
    switch (m_encoding) {
    case kEncodingUtf16Be: return Emit(be, sizeof(be));
    case kEncodingUtf16Le: return Emit(le, sizeof(le));
    case kEncodingUtf8: return Emit(utf8, sizeof(utf8));
    default: return !m_failed;
    }
}

bool CUnicodeFileWriter::Write(const char* data, size_t length) {
    if (!m_sink || !WriteMarkIfPending()) return false;
    if (m_encoding == kEncodingUtf16Be || m_encoding == kEncodingUtf16Le)
        return WriteUtf16(reinterpret_cast<const unsigned char*>(data), length);
    return Emit(data, length);
}

void CUnicodeFileWriter::PutUnit(unsigned unit) {
    if (m_encoding == kEncodingUtf16Be) {
        m_units.push_back(static_cast<unsigned char>(unit >> 8));
        m_units.push_back(static_cast<unsigned char>(unit));
    } else {
        m_units.push_back(static_cast<unsigned char>(unit));
        m_units.push_back(static_cast<unsigned char>(unit >> 8));
    }
}

void CUnicodeFileWriter::PutCodePoint(unsigned codePoint) {
    if (codePoint < 0x10000) {
        PutUnit(codePoint);
        return;
    }
    codePoint -= 0x10000;
    PutUnit(0xD800 + (codePoint >> 10));
    PutUnit(0xDC00 + (codePoint & 0x3FF));
}

bool CUnicodeFileWriter::WriteUtf16(const unsigned char* data, size_t length) {
    m_units.clear();
    m_units.reserve(2 * (length + m_tailLength));
    size_t pos = 0;
    if (m_tailLength > 0) {
        // Finish the sequence cut at the end of the last chunk.
        unsigned char joined[8];
        const size_t take = std::min<size_t>(length, 4);
        std::memcpy(joined, m_tail, m_tailLength);
        std::memcpy(joined + m_tailLength, data, take);
        const size_t available = m_tailLength + take;
        size_t i = 0;
        while (i < m_tailLength) {
            const Utf8Sequence s = DecodeUtf8(joined + i, available - i);
            if (s.incomplete && take == length) {
                std::memmove(m_tail, joined + i, available - i);
                m_tailLength = available - i;
                return Emit(m_units.data(), m_units.size());
            }
            PutCodePoint(s.codePoint);
            i += s.length;
        }
        pos = i - m_tailLength;
        m_tailLength = 0;
    }
    while (pos < length) {
        const Utf8Sequence s = DecodeUtf8(data + pos, length - pos);
        if (s.incomplete) {
            m_tailLength = length - pos;
            std::memcpy(m_tail, data + pos, m_tailLength);
            break;
        }
        PutCodePoint(s.codePoint);
        pos += s.length;
    }
    return Emit(m_units.data(), m_units.size());
}

bool CUnicodeFileWriter::Close() {
    if (!m_sink) return false;
    bool ok = WriteMarkIfPending();
    if (ok && m_tailLength > 0) {
        m_units.clear();
        for (size_t i = 0; i < m_tailLength; ++i) PutUnit(m_tail[i]);
        m_tailLength = 0;
        ok = Emit(m_units.data(), m_units.size());
    }
    m_sink = nullptr;
    return ok;
}
