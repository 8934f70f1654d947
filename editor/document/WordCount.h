#pragma once
// Counting words for the file statistics: a word starts with an ASCII letter
// or digit and ends at a separator. Text may come in pieces; a word split
// between two pieces counts once.
#include <cstddef>

class CWordCounter {
public:
    void Feed(const char* text, size_t length);
    size_t Count() const { return m_count; }

    static bool IsSeparator(unsigned char ch);

private:
    size_t m_count = 0;
    bool m_inWord = false;
};
