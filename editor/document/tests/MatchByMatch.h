#pragma once
// The reference that Replace All is held against: each match replaced where
// it is, the search going on after the written replacement; an empty match
// steps over one character.
#include <cstdint>
#include <string>

#include "FindReplace.h"
#include "ViewFixture.h"

inline int SearchFlagsOf(uint32_t mask) {
    return ((mask & kSearchWholeWord) ? SCFIND_WHOLEWORD : 0) | ((mask & kSearchMatchCase) ? SCFIND_MATCHCASE : 0) |
           ((mask & kSearchRegex) ? SCFIND_REGEXP : 0);
}

inline sptr_t SearchTarget(const ViewWindow& w, sptr_t start, sptr_t end, const std::string& pattern) {
    w.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(start), end);
    return w.Send(SCI_SEARCHINTARGET, pattern.size(), reinterpret_cast<sptr_t>(pattern.data()));
}

// Over [from, to) (to -1: the end of the text). Answers the count; *caret is
// the end of the last replacement.
inline int ReplaceOneByOne(const ViewWindow& w, uint32_t mask, const std::string& pattern,
                           const std::string& replacement, sptr_t* caret, sptr_t from = 0, sptr_t to = -1) {
    const bool regex = (mask & kSearchRegex) != 0;
    w.Send(SCI_SETSEARCHFLAGS, static_cast<uptr_t>(SearchFlagsOf(mask)));
    sptr_t rangeEnd = to < 0 ? w.Send(SCI_GETLENGTH) : to;
    int count = 0;
    for (sptr_t found = SearchTarget(w, from, rangeEnd, pattern); found >= 0;) {
        const sptr_t length = w.Send(SCI_GETTARGETEND) - found;
        const sptr_t written = w.Send(regex ? SCI_REPLACETARGETRE : SCI_REPLACETARGET, replacement.size(),
                                      reinterpret_cast<sptr_t>(replacement.data()));
        ++count;
        rangeEnd += written - length;
        sptr_t next = *caret = found + written;
        if (length == 0) {
            if (next >= rangeEnd) break;
            if (w.Send(SCI_GETCHARAT, next) == '\r' && w.Send(SCI_GETCHARAT, next + 1) == '\n')
                next += 2;
            else
                next = w.Send(SCI_POSITIONAFTER, next);
        }
        if (next >= rangeEnd) break;
        found = SearchTarget(w, next, rangeEnd, pattern);
    }
    return count;
}
