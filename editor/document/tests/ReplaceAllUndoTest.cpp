// Undo and redo of a plain Replace All whose record the editor keeps: the
// text comes back byte for byte and the caret where undoing the
// replacements one by one leaves it, through every way an undo arrives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FindReplace.h"
#include "MatchByMatch.h"
#include "MessagePump.h"
#include "ReplaceAllUndo.h"
#include "ViewFixture.h"

namespace {

constexpr uint32_t kDown = kSearchDown | kSearchWrap;
constexpr uint32_t kInSelection = kScopeSelection << 8;

SearchOptions Options(uint32_t mask, const char* find, const char* replace) {
    SearchOptions options;
    options.SearchMask = mask;
    lstrcpynA(options.FindText, find, sizeof(options.FindText));
    lstrcpynA(options.ReplaceText, replace, sizeof(options.ReplaceText));
    return options;
}

size_t Records(const ViewWindow& w) { return CUndoRecords::OfThread().RecordCount(w.view->Document()); }

void Load(const ViewWindow& w, const std::string& text) {
    w.SetText(text);
    w.Send(SCI_EMPTYUNDOBUFFER);
    w.Send(SCI_SETSAVEPOINT);
    w.Send(SCI_SETEMPTYSELECTION, 0);
}

std::pair<sptr_t, sptr_t> Selection(const ViewWindow& w) {
    return {w.Send(SCI_GETANCHOR), w.Send(SCI_GETCURRENTPOS)};
}

void Type(const ViewWindow& w, const char* text) {
    for (const char* c = text; *c; ++c) ::SendMessageW(w.view->Window(), WM_CHAR, static_cast<WPARAM>(*c), 0);
}

TEST(ReplaceAllUndo, UndoAndRedoAreExactAndPutTheCaretAsMatchByMatch) {
    // Find and replacement texts are in code page 936, as the dialogs give
    // them; the view turns them into UTF-8 for a UTF-8 document.
    const struct {
        const char* name;
        bool utf8;
        const char* text;
        uint32_t mask;
        const char* find;
        const char* replace;
        int selectionStart, selectionEnd;  // -1: the whole document
    } table[] = {
        {"mixed case", false, "value Value VALUE valued vAlUe", kDown, "value", "amount", -1, -1},
        {"whole word", false, "value Value valued value_x VALUE", kDown | kSearchWholeWord, "value", "n", -1, -1},
        {"match case, emptied", false, "value Value value", kDown | kSearchMatchCase, "value", "", -1, -1},
        {"touching at start and end, emptied", false, "ababXabab", kDown, "ab", "", -1, -1},
        {"growing at start and end", false, "abXab", kDown, "ab", "abcd", -1, -1},
        {"line ends", false, "a\r\nb\r\n\r\nc\r\n", kDown, "\r\n", "\n", -1, -1},
        {"double-byte", false, "\xD6\xD0\xCE\xC4 \xD6\xD0" "a\xD6\xD0", kDown, "\xD6\xD0", "\xCE\xC4\xCE\xC4", -1, -1},
        {"UTF-8 wide characters", true, "\xE4\xB8\xAD\xE6\x96\x87 x\xE4\xB8\xAD\xE6\x96\x87", kDown,
         "\xD6\xD0\xCE\xC4", "\xCE\xC4", -1, -1},
        {"UTF-8 other case", true, "\xC3\x80" "BC \xC3\xA0" "bc \xC3\x80" "bC", kDown, "\xA8\xA4" "bc", "z", -1, -1},
        {"UTF-8 other case, other length", true, "\xE2\x84\xAA k K", kDown, "k", "mm", -1, -1},
        {"selection", false, "a a a a a", kDown | kInSelection, "a", "bb", 2, 7},
        {"selection, emptied", false, "aaaaaa", kDown | kInSelection, "a", "", 1, 4},
    };
    for (const auto& row : table) {
        ViewWindow kept, reference;
        for (const ViewWindow* w : {&kept, &reference}) {
            if (row.utf8) w->view->Component().SetCodePage(SC_CP_UTF8);
            Load(*w, row.text);
            if (row.selectionStart >= 0) w->Send(SCI_SETSEL, row.selectionStart, row.selectionEnd);
        }
        const std::string text = kept.Text();
        CViewSearch search(*kept.view);
        const SearchOptions options = Options(row.mask, row.find, row.replace);
        const int count = search.ReplaceAll(options);
        EXPECT_GT(count, 0) << row.name;
        EXPECT_EQ(1u, Records(kept)) << row.name;
        const std::string replaced = kept.Text();

        sptr_t caret = 0;
        reference.Send(SCI_BEGINUNDOACTION);
        const sptr_t from = row.selectionStart >= 0 ? row.selectionStart : 0;
        EXPECT_EQ(count, ReplaceOneByOne(reference, row.mask, search.SearchBytes(row.find, row.mask),
                                         search.SearchBytes(row.replace, row.mask), &caret, from,
                                         row.selectionEnd))
            << row.name;
        reference.Send(SCI_ENDUNDOACTION);
        ASSERT_TRUE(reference.Text() == replaced) << row.name;

        for (int round = 0; round < 2; ++round) {
            for (const ViewWindow* w : {&kept, &reference}) w->Send(SCI_UNDO);
            EXPECT_TRUE(kept.Text() == text) << row.name;
            EXPECT_EQ(Selection(reference), Selection(kept)) << "undone: " << row.name;
            EXPECT_EQ(0, kept.Send(SCI_CANUNDO)) << row.name;
            for (const ViewWindow* w : {&kept, &reference}) w->Send(SCI_REDO);
            EXPECT_TRUE(kept.Text() == replaced) << row.name;
            EXPECT_EQ(Selection(reference), Selection(kept)) << "redone: " << row.name;
        }
    }
}

TEST(ReplaceAllUndo, TypingAfterwardsIsUndoneAndRedoneInItsPlace) {
    ViewWindow w;
    Load(w, "one value two value\r\n");
    CViewSearch search(*w.view);
    ASSERT_EQ(2, search.ReplaceAll(Options(kDown, "value", "amount")));
    const std::string replaced = w.Text();
    w.Send(SCI_GOTOPOS, 4);
    Type(w, "!?");
    const std::string typed = w.Text();
    ASSERT_EQ("one !?amount two amount\r\n", typed);

    w.Send(SCI_UNDO);
    EXPECT_EQ(replaced, w.Text());
    w.Send(SCI_UNDO);
    EXPECT_EQ("one value two value\r\n", w.Text());
    w.Send(SCI_REDO);
    EXPECT_EQ(replaced, w.Text());
    w.Send(SCI_REDO);
    EXPECT_EQ(typed, w.Text());
}

TEST(ReplaceAllUndo, TheModifiedMarkFollowsTheSavePoint) {
    ViewWindow w;
    Load(w, "value value");
    w.host.tabStates.clear();
    CViewSearch search(*w.view);
    ASSERT_EQ(2, search.ReplaceAll(Options(kDown, "value", "x")));
    EXPECT_EQ(1, w.Send(SCI_GETMODIFY));
    EXPECT_TRUE(w.view->HasOption(kViewModified));
    EXPECT_EQ(std::vector<int>{kTabModified}, w.host.tabStates);

    w.Send(SCI_UNDO);
    EXPECT_EQ(0, w.Send(SCI_GETMODIFY));
    EXPECT_FALSE(w.view->HasOption(kViewModified));
    w.Send(SCI_REDO);
    EXPECT_EQ(1, w.Send(SCI_GETMODIFY));
    EXPECT_EQ((std::vector<int>{kTabModified, kTabNormal, kTabModified}), w.host.tabStates);

    // Already modified: nothing more to tell.
    w.Send(SCI_UNDO);
    Type(w, "y");
    w.host.tabStates.clear();
    ASSERT_EQ(2, search.ReplaceAll(Options(kDown, "value", "x")));
    EXPECT_TRUE(w.host.tabStates.empty());
    EXPECT_EQ(1, w.Send(SCI_GETMODIFY));
}

TEST(ReplaceAllUndo, RecordsGoWithTheActionsTheComponentDrops) {
    ViewWindow w;
    CViewSearch search(*w.view);
    const SearchOptions options = Options(kDown, "value", "x");

    Load(w, "value value");
    ASSERT_EQ(2, search.ReplaceAll(options));
    EXPECT_EQ(1u, Records(w));
    w.Send(SCI_EMPTYUNDOBUFFER);
    EXPECT_EQ(0u, Records(w));
    EXPECT_EQ("x x", w.Text());

    // A new edit after the undo drops the redo side.
    Load(w, "value value");
    ASSERT_EQ(2, search.ReplaceAll(options));
    w.Send(SCI_UNDO);
    EXPECT_EQ(1u, Records(w));
    Type(w, "z");
    EXPECT_EQ(0u, Records(w));
    EXPECT_EQ(0, w.Send(SCI_CANREDO));
    w.Send(SCI_UNDO);
    EXPECT_EQ("value value", w.Text());

    // A document closed with its view.
    Load(w, "value value");
    ASSERT_EQ(2, search.ReplaceAll(options));
    const sptr_t document = w.view->Document();
    EXPECT_EQ(1u, CUndoRecords::OfThread().RecordCount(document));
    w.view.reset();
    EXPECT_EQ(0u, CUndoRecords::OfThread().RecordCount(document));
}

TEST(ReplaceAllUndo, ViewsSharingADocumentRevertItOnce) {
    ViewWindow first, second;
    Load(first, "value Value value");
    second.Send(SCI_SETDOCPOINTER, 0, first.view->Document());
    ASSERT_EQ(first.view->Document(), second.view->Document());
    CViewSearch search(*first.view);
    ASSERT_EQ(3, search.ReplaceAll(Options(kDown, "value", "amount")));
    const std::string replaced = first.Text();

    second.Send(SCI_UNDO);
    EXPECT_EQ("value Value value", first.Text());
    EXPECT_EQ("value Value value", second.Text());
    first.Send(SCI_REDO);
    EXPECT_EQ(replaced, second.Text());
    // The document outlives the first view.
    first.view.reset();
    EXPECT_EQ(1u, Records(second));
    second.Send(SCI_UNDO);
    EXPECT_EQ("value Value value", second.Text());
}

// Real key presses to the focused view: the component's own undo and redo
// keys, whose revert must be done before the next key is read.
TEST(ReplaceAllUndo, TheComponentsOwnKeysUndoAndRedo) {
    ViewWindow w;
    Load(w, "value one\r\nVALUE two\r\n");
    CViewSearch search(*w.view);
    ASSERT_EQ(2, search.ReplaceAll(Options(kDown, "value", "amount")));
    w.Send(SCI_GOTOPOS, w.Send(SCI_GETLENGTH));
    Type(w, "x");
    const std::string typed = w.Text();

    ::SetForegroundWindow(w.parent);
    ::SetFocus(w.view->Window());
    PumpMessages(3, 20);
    auto press = [](WORD key) {
        INPUT keys[4] = {};
        for (INPUT& in : keys) in.type = INPUT_KEYBOARD;
        keys[0].ki.wVk = VK_CONTROL;
        keys[1].ki.wVk = key;
        keys[2].ki.wVk = key;
        keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
        keys[3].ki.wVk = VK_CONTROL;
        keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(4, keys, sizeof(INPUT));
    };
    auto waitFor = [&](const std::string& expected) {
        for (int i = 0; i < 100 && w.Text() != expected; ++i) PumpMessagesFor(20);
        return w.Text();
    };
    // Both undos in one go: the second comes in before anything else runs.
    press('Z');
    press('Z');
    EXPECT_EQ("value one\r\nVALUE two\r\n", waitFor("value one\r\nVALUE two\r\n"));
    press('Y');
    press('Y');
    EXPECT_EQ(typed, waitFor(typed));
}

}  // namespace
