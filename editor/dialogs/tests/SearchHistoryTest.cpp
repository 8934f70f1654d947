// The history store over a scratch registry, and the token helpers on a
// real combo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchRegistry.h"
#include "SearchHistory.h"

namespace {

using Texts = std::vector<std::string>;

TEST(RegexToken, TableOfIds) {
    const struct {
        UINT id;
        const char* token;
        int offset;
    } table[] = {
        {60, "*", 0},  {61, "+", 0},      {62, ".", 0}, {63, "^", 0},  {64, "[]", 1},       {65, "[^]", 2},
        {66, "$", 0},  {67, "\\{\\}", 2}, {68, "~", 0}, {69, "\\!", 0}, {70, "\\(\\)", 2}, {59, "", 0},
        {71, "", 0},
    };
    for (const auto& row : table) {
        std::string text = "old";
        EXPECT_EQ(row.offset, GetRegexToken(row.id, text)) << row.id;
        EXPECT_EQ(row.token, text) << row.id;
    }
}

TEST(RegexToken, InsertReplacesTheSelectionOfTheCombo) {
    const HWND combo = ::CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0, 200,
                                         100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(combo);
    const struct {
        const char* token;
        int offset;
        int selStart, selEnd;
        const char* text;
        int caret;
    } table[] = {
        {"\\(\\)", 2, 1, 3, "a\\(\\)d", 3},
        {"*", 0, 4, 4, "abcd*", 5},
        {"[]", 1, 0, 4, "[]", 1},
    };
    for (const auto& row : table) {
        ::SetWindowTextA(combo, "abcd");
        ::SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(row.selStart, row.selEnd));
        EXPECT_EQ(row.caret, InsertComboText(combo, row.token, row.offset));
        char text[64];
        ::GetWindowTextA(combo, text, sizeof(text));
        EXPECT_STREQ(row.text, text);
        DWORD start = 0, end = 0;
        ::SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(DWORD(row.caret), start);
        EXPECT_EQ(DWORD(row.caret), end);
    }
    ::DestroyWindow(combo);
}

TEST(MruStore, MostRecentFirstWithoutDuplicates) {
    ScratchRegistry registry;
    {
        CMruStore store;
        ASSERT_TRUE(store.Open("Software\\Tarnwick\\Find", 3));
        EXPECT_TRUE(store.Entries().empty());
        for (const char* text : {"one", "two", "three", "TWO", "four", ""}) store.Add(text);
        EXPECT_EQ((Texts{"four", "TWO", "three"}), store.Entries());
    }
    CMruStore again;
    again.Open("Software\\Tarnwick\\Find", 26);
    EXPECT_EQ((Texts{"four", "TWO", "three"}), again.Entries());
    EXPECT_EQ("abc", registry.Read("Software\\Tarnwick\\Find", "MRUList"));
    EXPECT_EQ("four", registry.Read("Software\\Tarnwick\\Find", "a"));
    again.Close();
}

TEST(MruStore, ReadsTheRegistryFormatAndKeepsTwentySix) {
    ScratchRegistry registry;
    // A list with a duplicate and a letter without a value.
    registry.Write("Software\\Tarnwick\\Replace", "a", "x");
    registry.Write("Software\\Tarnwick\\Replace", "b", "y");
    registry.Write("Software\\Tarnwick\\Replace", "c", "X");
    registry.Write("Software\\Tarnwick\\Replace", "MRUList", "bcaz");
    CMruStore store;
    store.Open("Software\\Tarnwick\\Replace");
    EXPECT_EQ((Texts{"y", "X"}), store.Entries());
    for (int i = 0; i < 30; ++i) {
        char text[8];
        wsprintfA(text, "t%d", i);
        store.Add(text);
    }
    ASSERT_EQ(26u, store.Entries().size());
    EXPECT_EQ("t29", store.Entries().front());
    EXPECT_EQ("t4", store.Entries().back());
    store.Add(std::string(300, 'q'));
    EXPECT_EQ(260u, store.Entries().front().size());
}

TEST(MruStore, FillsTheCombo) {
    ScratchRegistry registry;
    {
        CMruStore store;
        store.Open("Software\\Tarnwick\\Find");
        store.Add("old");
        store.Add("new");
    }
    const HWND combo = ::CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN, 0, 0, 200, 100, nullptr,
                                         nullptr, nullptr, nullptr);
    CMruStore store = FillComboFromMru("Software\\Tarnwick\\Find", combo);
    ASSERT_EQ(2, ::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    char text[16];
    ::SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("new", text);
    ::DestroyWindow(combo);
}

}  // namespace
