// Replace All in batches against the plain match-by-match loop, over
// generated text: the same text, count, caret and one undo step, and the
// same text again when that step is redone.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "FindReplace.h"
#include "MatchByMatch.h"
#include "ViewFixture.h"

namespace {

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
                    batched.Send(SCI_REDO);
                    EXPECT_TRUE(reference.Text() == batched.Text()) << "redone: " << where;
                }
            }
        }
    }
}

}  // namespace
