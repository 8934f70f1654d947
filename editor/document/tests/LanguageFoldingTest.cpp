// The fold commands, fold-margin clicks and fold changes while editing, on a
// real view folding C text.
#include <gtest/gtest.h>

#include "LanguageFixture.h"
#include "resource.h"

namespace {

// Headers: 0 and 5 at level 0, 1 at level 1.
const char kText[] =
    "int a() {\n"       // 0
    "  if (x) {\n"      // 1
    "    y();\n"        // 2
    "  }\n"             // 3
    "}\n"               // 4
    "int b() {\n"       // 5
    "  z();\n"          // 6
    "}\n";              // 7

class FoldingTest : public testing::Test {
protected:
    void SetUp() override {
        v.source.Load("menu.language=C|c|\nlexer.*.c=cpp\nfold=1\nfold.compact=0\n");
        v.View().ApplyLanguage(0, nullptr);
        v.SetText(kText);
        ASSERT_TRUE(v.IsHeader(0) && v.IsHeader(1) && v.IsHeader(5));
    }
    void Click(int line, int modifiers) {
        SCNotification n{};
        n.nmhdr.hwndFrom = v.View().Window();
        n.nmhdr.code = SCN_MARGINCLICK;
        n.margin = kFoldMargin;
        n.modifiers = modifiers;
        n.position = v.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
        v.View().OnNotify(reinterpret_cast<const NMHDR*>(&n));
    }
    std::string VisibleLines() const {
        std::string lines;
        for (int line = 0; line < 8; ++line) lines += v.Visible(line) ? '1' : '0';
        return lines;
    }

    StyledView v;
};

TEST_F(FoldingTest, FoldAllAndUnfoldAllTakeTheTopLevel) {
    v.w.Command(ID_VIEW_FOLD_ALL);
    EXPECT_EQ("10000100", VisibleLines());
    EXPECT_FALSE(v.Expanded(0));
    EXPECT_FALSE(v.Expanded(5));
    v.w.Command(ID_VIEW_UNFOLD_ALL);
    EXPECT_EQ("11111111", VisibleLines());
    EXPECT_TRUE(v.Expanded(0) && v.Expanded(1) && v.Expanded(5));
}

TEST_F(FoldingTest, LevelCommandsToggleOnlyHeadersOfThatLevel) {
    v.w.Command(ID_VIEW_FOLD_LEVEL_FIRST);  // "&1": level 0
    EXPECT_FALSE(v.Expanded(0));
    EXPECT_TRUE(v.Expanded(1));
    EXPECT_FALSE(v.Expanded(5));
    v.w.Command(ID_VIEW_UNFOLD_LEVEL_FIRST);
    EXPECT_EQ("11111111", VisibleLines());

    v.w.Command(ID_VIEW_FOLD_LEVEL_FIRST + 1);  // "&2": level 1
    EXPECT_TRUE(v.Expanded(0));
    EXPECT_FALSE(v.Expanded(1));
    EXPECT_EQ("11001111", VisibleLines());
    v.w.Command(ID_VIEW_UNFOLD_LEVEL_FIRST + 1);
    EXPECT_TRUE(v.Expanded(1));
}

TEST_F(FoldingTest, ToggleAtTheCaretTakesTheParentOfABodyLine) {
    v.Send(SCI_GOTOLINE, 2);
    v.w.Command(ID_VIEW_FOLD_TOGGLE);
    EXPECT_FALSE(v.Expanded(1));
    EXPECT_TRUE(v.Expanded(0));
    EXPECT_EQ("11001111", VisibleLines());
}

TEST_F(FoldingTest, MarginClicks) {
    Click(0, 0);  // a plain click toggles
    EXPECT_EQ("10000111", VisibleLines());
    Click(0, 0);
    EXPECT_EQ("11111111", VisibleLines());

    Click(0, SCMOD_CTRL);  // control collapses with everything inside
    EXPECT_FALSE(v.Expanded(0));
    EXPECT_EQ("10000111", VisibleLines());
    Click(0, SCMOD_SHIFT);  // shift expands everything inside
    EXPECT_TRUE(v.Expanded(0) && v.Expanded(1));
    EXPECT_EQ("11111111", VisibleLines());

    Click(2, 0);  // not a header
    EXPECT_EQ("11111111", VisibleLines());
    Click(6, SCMOD_SHIFT | SCMOD_CTRL);  // both: fold all
    EXPECT_EQ("10000100", VisibleLines());
}

TEST_F(FoldingTest, ALineThatBecomesAHeaderIsExpandedWithItsLines) {
    v.SetText("int a;\nx;\ny;\n");
    v.Send(SCI_SETTARGETRANGE, 0, 6);
    v.Send(SCI_REPLACETARGET, static_cast<uptr_t>(-1), reinterpret_cast<sptr_t>("int a() {"));
    v.Send(SCI_COLOURISE, 0, -1);
    ASSERT_TRUE(v.IsHeader(0));
    EXPECT_TRUE(v.Expanded(0));
    EXPECT_TRUE(v.Visible(1) && v.Visible(2));
}

TEST_F(FoldingTest, HiddenLinesThatLeaveACollapsedFoldAreShown) {
    // With fold.at.else a "} ... {" line heads a fold one level down.
    v.source.Load("menu.language=C|c|\nlexer.*.c=cpp\nfold=1\nfold.compact=0\nfold.at.else=1\n");
    v.View().ApplyLanguage(0, nullptr);
    v.SetText("int a() { {\n  x;\n} int b() {\n  y;\n}\n");
    Click(0, 0);
    ASSERT_EQ("10000", VisibleLines().substr(0, 5));
    // One brace less on line 0: the header on line 2 and its body now lie
    // outside the collapsed fold, although no hidden line was edited.
    v.Send(SCI_SETTARGETRANGE, 0, v.Send(SCI_GETLINEENDPOSITION, 0));
    v.Send(SCI_REPLACETARGET, static_cast<uptr_t>(-1), reinterpret_cast<sptr_t>("int a() {"));
    v.Send(SCI_COLOURISE, 0, -1);
    ASSERT_TRUE(v.IsHeader(2));
    EXPECT_EQ("10111", VisibleLines().substr(0, 5));
}

}  // namespace
