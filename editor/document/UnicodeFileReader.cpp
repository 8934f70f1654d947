#include "UnicodeFileReader.h"

#include "EncodingCodes.h"
#include "Utf8.h"

size_t CUnicodeFileReader::DetectBom(const char* block, size_t length, EncodingCode* encoding) {
    const auto* b = reinterpret_cast<const unsigned char*>(block);
    *encoding = kEncodingAnsi;
    if (length >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        *encoding = kEncodingUtf16Be;
        return 2;
    }
    if (length >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        *encoding = kEncodingUtf16Le;
        return 2;
    }
    if (length >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        *encoding = kEncodingUtf8;
        return 3;
    }
    return 0;
}

size_t CUnicodeFileReader::Convert(const char* block, size_t length, EncodingCode encoding, size_t bomLength) {
    if (m_firstBlock) {
        m_firstBlock = false;
        if (encoding != kEncodingAnsi) {
            m_encoding = encoding;
        } else {
            bomLength = DetectBom(block, length, &m_encoding);
        }
        if (bomLength > length) bomLength = length;
        block += bomLength;
        length -= bomLength;
    }
    if (m_encoding == kEncodingUtf16Be || m_encoding == kEncodingUtf16Le)
        return ConvertUtf16(reinterpret_cast<const unsigned char*>(block), length);
    m_output = block;
    return length;
}

size_t CUnicodeFileReader::ConvertUtf16(const unsigned char* bytes, size_t length) {
    // Three bytes per unit at most, plus a held surrogate and a carried byte.
    const size_t capacity = (length + 1) / 2 * 3 + 8;
    if (m_buffer.size() < capacity) m_buffer.resize(capacity);
    char* out = m_buffer.data();
    m_output = out;

    const bool bigEndian = m_encoding == kEncodingUtf16Be;
    size_t i = 0;
    if (m_oddByte >= 0 && length > 0) {
        const unsigned first = static_cast<unsigned>(m_oddByte);
        PutUnit(bigEndian ? (first << 8 | bytes[0]) : (bytes[0] << 8 | first), out);
        m_oddByte = -1;
        i = 1;
    }
    for (; i + 1 < length; i += 2) {
        const unsigned unit = bigEndian ? (bytes[i] << 8 | bytes[i + 1]) : (bytes[i + 1] << 8 | bytes[i]);
        PutUnit(unit, out);
    }
    if (i < length) m_oddByte = bytes[i];
    return static_cast<size_t>(out - m_buffer.data());
}

void CUnicodeFileReader::PutUnit(unsigned unit, char*& out) {
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        FlushHighSurrogate(out);
        m_highSurrogate = unit;
        return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF && m_highSurrogate != 0) {
        const unsigned codePoint = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
        m_highSurrogate = 0;
        out += EncodeUtf8(codePoint, out);
        return;
    }
    FlushHighSurrogate(out);
    out += EncodeUtf8(unit, out);
}

// A lone surrogate stays a three-byte sequence, so a UTF-16 save restores it.
void CUnicodeFileReader::FlushHighSurrogate(char*& out) {
    if (m_highSurrogate == 0) return;
    out += EncodeUtf8(m_highSurrogate, out);
    m_highSurrogate = 0;
}

size_t CUnicodeFileReader::Finish() {
    if (m_oddByte >= 0) m_droppedOddByte = true;
    m_oddByte = -1;
    if (m_buffer.size() < 8) m_buffer.resize(8);
    char* out = m_buffer.data();
    m_output = out;
    FlushHighSurrogate(out);
    return static_cast<size_t>(out - m_buffer.data());
}
