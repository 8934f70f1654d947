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
    // A match never starts on a line feed: the scan counts the line there.
    if (search.pattern[0] == '\n') return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    const ByteTable& fold = (search.mask & kMatchCase) ? Identity() : LowerCase();
    const bool wholeWord = (search.mask & kWholeWord) != 0;

    // The pattern folded once, and Horspool's shift for every byte: how far
    // the window may move when that byte is under its last position.
    std::string folded(n, '\0');
    for (size_t i = 0; i < n; ++i) folded[i] = static_cast<char>(fold[static_cast<unsigned char>(search.pattern[i])]);
    const auto* pattern = reinterpret_cast<const unsigned char*>(folded.data());
    std::array<size_t, 256> shift;
    shift.fill(n);
    for (size_t i = 0; i + 1 < n; ++i) shift[pattern[i]] = n - 1 - i;
    for (int b = 0; b < 256; ++b) shift[b] = shift[fold[b]];
    const unsigned char tail = pattern[n - 1];

    bool found = false;
    int line = 1;
    size_t lineStart = 0;
    size_t counted = 0;  // line feeds before this are in line and lineStart
    const size_t lastStart = size - n;
    for (size_t pos = 0; pos <= lastStart;) {
        const unsigned char last = bytes[pos + n - 1];
        if (fold[last] != tail) {
            pos += shift[last];
            continue;
        }
        size_t k = 0;
        while (k + 1 < n && fold[bytes[pos + k]] == pattern[k]) ++k;
        if (k + 1 < n || (wholeWord && !IsWholeWord(bytes, size, pos, n))) {
            pos += shift[last];
            continue;
        }
        // Lines are counted only up to each match.
        for (const void* feed; (feed = std::memchr(bytes + counted, '\n', pos - counted)) != nullptr;) {
            counted = static_cast<size_t>(static_cast<const unsigned char*>(feed) - bytes) + 1;
            ++line;
            lineStart = counted;
        }
        counted = pos;
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
        // The shift is safe after a match too, so overlapping matches are found.
        pos += shift[last];
    }
    return found;
}
