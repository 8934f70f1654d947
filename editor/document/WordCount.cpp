#include "WordCount.h"

#include <cstring>

bool CWordCounter::IsSeparator(unsigned char ch) {
    // Line ends end a word too: otherwise the last word of a line and the
    // first of the next would count as one.
    static const char separators[] = " \t.,!?)}]>;:=@/\\%|*&^?\"'~#+\r\n";
    return ch != 0 && std::memchr(separators, ch, sizeof(separators) - 1) != nullptr;
}

void CWordCounter::Feed(const char* text, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if (m_inWord) {
            if (IsSeparator(ch)) m_inWord = false;
        } else if (ch < 0x80 && ((ch >= '0' && ch <= '9') || ((ch | 0x20) >= 'a' && (ch | 0x20) <= 'z'))) {
            m_inWord = true;
            ++m_count;
        }
    }
}
