#include "LogicalLine.h"

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';

bool IsLineEnd(char c) { return c == kCr || c == kLf; }

// After a backslash: does an empty line follow the line end at `at`?
bool EmptyLineFollows(const char* at, const char* end) {
    size_t left = static_cast<size_t>(end - at);
    if (left >= 2 && ((at[0] == kCr && at[1] == kCr) || (at[0] == kLf && at[1] == kLf))) return true;
    return left >= 3 && at[0] == kCr && at[1] == kLf && IsLineEnd(at[2]);
}

void SkipLineEnds(const char*& pos, const char* end) {
    while (pos < end && IsLineEnd(*pos)) ++pos;
}

}  // namespace

bool NextLogicalLine(const char*& pos, const char* end, std::string& line) {
    line.clear();
    for (;;) {
        SkipLineEnds(pos, end);
        if (pos == end) return false;
        while (pos < end) {
            char c = *pos;
            if (IsLineEnd(c)) {
                ++pos;
                if (c == kCr && pos < end && *pos == kLf) ++pos;
                break;
            }
            if (c == '\\' && pos + 1 < end && IsLineEnd(pos[1])) {
                ++pos;
                if (EmptyLineFollows(pos, end)) break;
                SkipLineEnds(pos, end);
                continue;
            }
            line.push_back(c);
            ++pos;
        }
        // A lone "\" + line end gathers nothing; such a line is no line.
        if (!line.empty()) return true;
    }
}
