#include "SearchBuffer.h"

#include <array>
#include <cstring>

#include "CharClass.h"

namespace {

constexpr uint32_t kWholeWord = 0x1;
constexpr uint32_t kMatchCase = 0x2;

using ByteTable = std::array<unsigned char, 256>;

const ByteTable& CharClasses() {
    static const ByteTable table = [] {
        ByteTable t{};
        FillCharClassTable(t.data());
        return t;
    }();
    return table;
}

// Letter case folded for ASCII only: a byte above 127 may be half of a
// double-byte character and is compared as it is.
const ByteTable& Identity() {
    static const ByteTable table = [] {
        ByteTable t{};
        for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
        return t;
    }();
    return table;
}

const ByteTable& LowerCase() {
    static const ByteTable table = [] {
        ByteTable t = Identity();
        for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<unsigned char>(c - 'A' + 'a');
        return t;
    }();
    return table;
}

// Both ends of [pos, pos + n) sit on a change of character class; outside
// the buffer counts as another class.
bool IsWholeWord(const unsigned char* bytes, size_t size, size_t pos, size_t n) {
    const ByteTable& cls = CharClasses();
    const unsigned char first = cls[bytes[pos]];
    const unsigned char last = cls[bytes[pos + n - 1]];
    if (first < 2 || last < 2) return false;
    if (pos > 0 && cls[bytes[pos - 1]] == first) return false;
    if (pos + n < size && cls[bytes[pos + n]] == last) return false;
    return true;
}

}  // namespace

bool SearchBuffer(BufferSearch& search, const char* data, const char* path, size_t size) {
    const size_t n = search.pattern.size();
    if (n == 0 || size < n) return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    const auto* pattern = reinterpret_cast<const unsigned char*>(search.pattern.data());
    const ByteTable& fold = (search.mask & kMatchCase) ? Identity() : LowerCase();
    const bool wholeWord = (search.mask & kWholeWord) != 0;
    const unsigned char head = fold[pattern[0]];

    bool found = false;
    int line = 1;
    size_t lineStart = 0;
    const size_t lastStart = size - n;
    for (size_t pos = 0; pos <= lastStart; ++pos) {
        const unsigned char byte = bytes[pos];
        if (byte == '\n') {
            ++line;
            lineStart = pos + 1;
            continue;
        }
        if (fold[byte] != head) continue;
        size_t k = 1;
        while (k < n && fold[bytes[pos + k]] == fold[pattern[k]]) ++k;
        if (k < n) continue;
        if (wholeWord && !IsWholeWord(bytes, size, pos, n)) continue;
        // The line up to its end, never past the buffer: a last line
        // without a line end stops at the end of the file.
        char text[kResultTextMax + 1];
        size_t length = 0;
        while (length < kResultTextMax && lineStart + length < size) {
            const unsigned char c = bytes[lineStart + length];
            if (c == '\r' || c == '\n') break;
            text[length++] = static_cast<char>(c);
        }
        text[length] = '\0';
        ++search.hits;
        found = true;
        if (search.sink) search.sink->AddResultLine(path, line, text);
    }
    return found;
}
