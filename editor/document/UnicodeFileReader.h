#pragma once
// Turns the blocks of a file in encodings 1-3 into the UTF-8 the editing
// component holds. One reader serves one load; state carries across blocks
// so that a character split between two blocks comes out whole.
#include <cstddef>
#include <vector>

#include "EncodingCodes.h"

class CUnicodeFileReader {
public:
    // Converts one block and returns the length of the text at Output().
    // encoding is 0-3; 0 takes it from the block's mark. bomLength is
    // skipped on the first block only.
    size_t Convert(const char* block, size_t length, EncodingCode encoding, size_t bomLength);
    // Ends the file: returns the length of what was still held (a high
    // surrogate without its pair), now at Output().
    size_t Finish();

    const char* Output() const { return m_output; }
    EncodingCode Encoding() const { return m_encoding; }
    // The file ended inside a UTF-16 unit; that byte is not in the text.
    bool DroppedOddByte() const { return m_droppedOddByte; }

    // Sets *encoding from the mark FE FF (1), FF FE (2) or EF BB BF (3),
    // else 0, and returns the mark's length.
    static size_t DetectBom(const char* block, size_t length, EncodingCode* encoding);

private:
    size_t ConvertUtf16(const unsigned char* bytes, size_t length);
    void PutUnit(unsigned unit, char*& out);
    void FlushHighSurrogate(char*& out);

    EncodingCode m_encoding = kEncodingAnsi;
    bool m_firstBlock = true;
    const char* m_output = nullptr;
    std::vector<char> m_buffer;
    int m_oddByte = -1;           // first byte of a unit cut by the block end
    unsigned m_highSurrogate = 0;  // waiting for its low half
    bool m_droppedOddByte = false;
};
