#include "SearchBuffer.h"

#include <array>
#include <cstring>

#include <emmintrin.h>

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

// How common a byte is in program text, low for rare: the scan looks for
// the pattern's rarest byte, so that it stops at few places to compare.
int Commonness(unsigned char c) {
    static const char kByFrequency[] = "etaoinsrhldcumfpgwybvkxjqz";  // English letters, common first
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
    for (int i = 0; kByFrequency[i]; ++i)
        if (kByFrequency[i] == c) return 100 - i;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return 200;
    return 60;  // digits, punctuation, bytes above 127
}

// The next position from `from` where bytes hold a or b (the same for a
// search that matches case), or size; sixteen bytes at a time.
size_t FindEither(const unsigned char* bytes, size_t from, size_t size, unsigned char a, unsigned char b) {
    const __m128i va = _mm_set1_epi8(static_cast<char>(a));
    const __m128i vb = _mm_set1_epi8(static_cast<char>(b));
    size_t i = from;
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        const int hits = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, va), _mm_cmpeq_epi8(block, vb)));
        if (hits) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(hits)));
    }
    for (; i < size; ++i)
        if (bytes[i] == a || bytes[i] == b) return i;
    return size;
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

    // The pattern folded once, and its rarest byte as the anchor that the
    // vectorised scan looks for (both cases of a letter unless case matters).
    std::string folded(n, '\0');
    for (size_t i = 0; i < n; ++i) folded[i] = static_cast<char>(fold[static_cast<unsigned char>(search.pattern[i])]);
    const auto* pattern = reinterpret_cast<const unsigned char*>(folded.data());
    size_t anchor = 0;
    for (size_t i = 1; i < n; ++i)
        if (Commonness(pattern[i]) < Commonness(pattern[anchor])) anchor = i;
    const unsigned char lower = pattern[anchor];
    unsigned char other = lower;
    if (!(search.mask & kMatchCase) && lower >= 'a' && lower <= 'z') other = static_cast<unsigned char>(lower - 'a' + 'A');

    bool found = false;
    int line = 1;
    size_t lineStart = 0;
    size_t counted = 0;  // line feeds before this are in line and lineStart
    const size_t lastStart = size - n;
    // Anchor positions run from anchor to lastStart + anchor.
    for (size_t at = FindEither(bytes, anchor, lastStart + anchor + 1, lower, other); at <= lastStart + anchor;
         at = FindEither(bytes, at + 1, lastStart + anchor + 1, lower, other)) {
        const size_t pos = at - anchor;
        size_t k = 0;
        while (k < n && fold[bytes[pos + k]] == pattern[k]) ++k;
        if (k < n || (wholeWord && !IsWholeWord(bytes, size, pos, n))) continue;
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
    }
    return found;
}
