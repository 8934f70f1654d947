// Replace All in batches against the plain match-by-match loop, over
// generated text: the same text, count, caret and one undo step.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "FindReplace.h"
#include "ViewFixture.h"

namespace {

int SearchFlags(uint32_t mask) {
    return ((mask & kSearchWholeWord) ? SCFIND_WHOLEWORD : 0) | ((mask & kSearchMatchCase) ? SCFIND_MATCHCASE : 0) |
           ((mask & kSearchRegex) ? SCFIND_REGEXP : 0);
}

sptr_t Search(const ViewWindow& w, sptr_t start, sptr_t end, const std::string& pattern) {
    w.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(start), end);
    return w.Send(SCI_SEARCHINTARGET, pattern.size(), reinterpret_cast<sptr_t>(pattern.data()));
}

// The reference: each match replaced where it is, the search going on
// after the written replacement; an empty match steps over one character.
// Answers the count; *caret is the end of the last replacement.
int ReplaceOneByOne(const ViewWindow& w, uint32_t mask, const std::string& pattern, const std::string& replacement,
                    sptr_t* caret) {
    const bool regex = (mask & kSearchRegex) != 0;
    w.Send(SCI_SETSEARCHFLAGS, static_cast<uptr_t>(SearchFlags(mask)));
    sptr_t rangeEnd = w.Send(SCI_GETLENGTH);
    int count = 0;
    for (sptr_t found = Search(w, 0, rangeEnd, pattern); found >= 0;) {
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
        found = Search(w, next, rangeEnd, pattern);
    }
    return count;
}

// Words that make adjacent, near and far matches, both cases, word and
// punctuation neighbours, line ends of all kinds and wide characters.
std::string Generate(unsigned seed, size_t size) {
    static const char* const kWords[] = {"ab", "abab", "a", "b", "Ab", "AB", " ", " ", "\r\n", "\n", "\r", "x_y",
                                         "-", ".", "ba", "\xE4\xB8\xAD", "\xD6\xD0", "----------------------------"
                                         "------------------------------------------------------------------------"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<size_t> pick(0, std::size(kWords) - 1);
    std::string text;
    while (text.size() < size) text += kWords[pick(random)];
    return text;
}

TEST(ReplaceAllBatches, SameAsReplacingMatchByMatch) {
    constexpr uint32_t kDown = kSearchDown | kSearchWrap;
    const struct {
        uint32_t mask;
        const char* find;
    } searches[] = {
        {kDown, "ab"},
        {kDown | kSearchMatchCase, "ab"},
        {kDown | kSearchWholeWord, "ab"},
        {kDown | kSearchWholeWord | kSearchMatchCase, "a"},
        {kDown, "b"},
        {kDown | kSearchRegex, "a*"},
        {kDown | kSearchRegex, "\\(a\\)\\(b\\)"},
        {kDown | kSearchRegex, "^"},
        {kDown | kSearchRegex, "b$"},
        {kDown | kSearchRegex, "\\<a"},
        {kDown | kSearchRegex, "[ab]+"},
        {kDown | kSearchRegex | kSearchMatchCase, "A[^ ]"},
    };
    // Growing, shrinking, empty, and with groups and escapes for a regex.
    const char* const replacements[] = {"", "X", "abab", "\\2\\1\\\\", "\\0-\\n\\q"};
    for (const bool utf8 : {false, true}) {
        ViewWindow reference, batched;
        for (const ViewWindow* w : {&reference, &batched})
            if (utf8) w->view->Component().SetCodePage(SC_CP_UTF8);
        // A notice per edit, and the scroll bars reset on each change of
        // the line count, are slow under Wine and not what is compared.
        for (const ViewWindow* w : {&reference, &batched}) w->Send(SCI_SETMODEVENTMASK, 0);
        ::SendMessageA(reference.view->Window(), WM_SETREDRAW, FALSE, 0);
        for (unsigned seed = 1; seed <= 3; ++seed) {
            const std::string text = Generate(seed, 3000);
            for (const auto& search : searches) {
                for (const char* replacement : replacements) {
                    for (const ViewWindow* w : {&reference, &batched}) {
                        w->SetText(text);
                        w->Send(SCI_EMPTYUNDOBUFFER);
                        w->Send(SCI_SETEMPTYSELECTION, 0);
                    }
                    sptr_t caret = 0;
                    const int expected = ReplaceOneByOne(reference, search.mask, search.find, replacement, &caret);

                    SearchOptions options;
                    options.SearchMask = search.mask;
                    lstrcpyA(options.FindText, search.find);
                    lstrcpyA(options.ReplaceText, replacement);
                    CViewSearch viewSearch(*batched.view);
                    const std::string where = std::string(utf8 ? "UTF-8 " : "ANSI ") + std::to_string(seed) +
                                              " " + search.find + " -> " + replacement;
                    EXPECT_EQ(expected, viewSearch.ReplaceAll(options)) << where;
                    EXPECT_TRUE(reference.Text() == batched.Text()) << where;
                    if (expected > 0) {
                        EXPECT_EQ(caret, batched.Send(SCI_GETCURRENTPOS)) << where;
                    }
                    batched.Send(SCI_UNDO);
                    EXPECT_TRUE(batched.Text() == text) << "one undo step: " << where;
                    EXPECT_EQ(0, batched.Send(SCI_CANUNDO)) << where;
                }
            }
        }
    }
}

}  // namespace
