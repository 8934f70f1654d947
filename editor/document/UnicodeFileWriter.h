#pragma once
// Writes the component's UTF-8 text in encodings 0-3, chunk by chunk. A
// character split between two chunks is kept whole; a byte that starts no
// valid sequence is written as a unit of its own value.
#include <cstddef>
#include <vector>

#include "ByteStreams.h"
#include "EncodingCodes.h"

class CUnicodeFileWriter {
public:
    void SetEncoding(EncodingCode encoding) { m_encoding = encoding; }  // 0-3
    void SetWriteBom(bool writeBom) { m_writeBom = writeBom; }
    void Open(IByteSink* sink);
    // False when no sink is open or the sink failed, now or before.
    bool Write(const char* data, size_t length);
    // Writes what is still held: the mark of an empty text, a cut sequence.
    bool Close();

private:
    bool WriteMarkIfPending();
    bool WriteUtf16(const unsigned char* data, size_t length);
    void PutUnit(unsigned unit);
    void PutCodePoint(unsigned codePoint);
    bool Emit(const void* data, size_t length);

    IByteSink* m_sink = nullptr;
    EncodingCode m_encoding = kEncodingAnsi;
    bool m_writeBom = true;
    bool m_markPending = false;
    bool m_failed = false;
    std::vector<unsigned char> m_units;
    unsigned char m_tail[4] = {};
    size_t m_tailLength = 0;
};
