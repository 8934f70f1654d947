// The editor view on a real component window, driven with messages.
#include <gtest/gtest.h>

#include <cstring>

#include "AppMessages.h"
#include "Hex.h"
#include "ResourceText.h"
#include "TempFolder.h"
#include "ViewFixture.h"
#include "WordCount.h"
#include "resource.h"

namespace {

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\n";
    return text;
}

int MarginDigits(const ViewWindow& w) {
    const sptr_t nine = w.Send(SCI_TEXTWIDTH, STYLE_LINENUMBER, reinterpret_cast<sptr_t>("9"));
    return static_cast<int>((w.Send(SCI_GETMARGINWIDTHN, 0) - 4) / nine);
}

TEST(EditorViewOptions, SeededFromTheEditorMask) {
    const struct {
        uint32_t mask;
        uint32_t bits;
    } table[] = {
        {kMaskWrap, kViewWrap},
        {kMaskSyntaxHighlight, kViewHighlight},
        {kMaskLineNumbers, kViewLineNumbers},
        {kMaskWhiteSpace, kViewWhiteSpace},
        {kMaskLineEnds, kViewLineEnds},
        {kMaskIndentGuides, kViewIndentGuides},
        {kMaskHighlightLine | kMaskMultipleInstances, 0},
    };
    for (const auto& row : table) EXPECT_EQ(row.bits, ViewOptionsFromEditorMask(row.mask)) << row.mask;

    ViewWindow w(kMaskWrap | kMaskLineNumbers | kMaskIndentGuides);
    EXPECT_EQ(SC_WRAP_WORD, w.Send(SCI_GETWRAPMODE));
    EXPECT_GT(w.Send(SCI_GETMARGINWIDTHN, 0), 0);
    EXPECT_EQ(SCWS_INVISIBLE, w.Send(SCI_GETVIEWWS));
    EXPECT_EQ(0, w.Send(SCI_GETVIEWEOL));
    EXPECT_EQ(SC_IV_REAL, w.Send(SCI_GETINDENTATIONGUIDES));
    const std::vector<FakeViewHost::Button> checks{{ID_VIEW_WRAP, true}, {ID_VIEW_LINE_ENDS, false}};
    EXPECT_EQ(checks, w.host.checked);
    EXPECT_TRUE(::IsWindowUnicode(*w.view));
}

TEST(EditorViewOptions, ViewCommandsFlipTheirBits) {
    ViewWindow w;
    w.Command(ID_VIEW_WRAP);
    EXPECT_EQ(SC_WRAP_WORD, w.Send(SCI_GETWRAPMODE));
    EXPECT_EQ((FakeViewHost::Button{ID_VIEW_WRAP, true}), w.host.checked.back());
    w.Command(ID_VIEW_LINE_ENDS);
    EXPECT_EQ(1, w.Send(SCI_GETVIEWEOL));
    EXPECT_EQ((FakeViewHost::Button{ID_VIEW_LINE_ENDS, true}), w.host.checked.back());
    w.Command(ID_VIEW_WHITESPACE);
    EXPECT_EQ(SCWS_VISIBLEALWAYS, w.Send(SCI_GETVIEWWS));
    w.Command(ID_VIEW_INDENT_GUIDES);
    EXPECT_EQ(SC_IV_REAL, w.Send(SCI_GETINDENTATIONGUIDES));
    w.Command(ID_VIEW_WRAP);
    EXPECT_EQ(SC_WRAP_NONE, w.Send(SCI_GETWRAPMODE));
    EXPECT_EQ(kViewLineEnds | kViewWhiteSpace | kViewIndentGuides, w.view->Options());

    const sptr_t zoom = w.Send(SCI_GETZOOM);
    w.Command(ID_VIEW_ZOOM_IN);
    w.Command(ID_VIEW_ZOOM_IN);
    EXPECT_EQ(zoom + 2, w.Send(SCI_GETZOOM));
    w.Command(ID_VIEW_ZOOM_RESET);
    EXPECT_EQ(zoom, w.Send(SCI_GETZOOM));
}

TEST(EditorViewOptions, HidingAndShowingKeepsZoomAndCodePage) {
    ViewWindow w;
    w.Send(SCI_SETCODEPAGE, SC_CP_UTF8);
    w.Command(ID_VIEW_ZOOM_IN);
    const sptr_t zoom = w.Send(SCI_GETZOOM);
    ::ShowWindow(*w.view, SW_HIDE);
    ::ShowWindow(*w.view, SW_SHOW);
    EXPECT_EQ(SC_CP_UTF8, w.Send(SCI_GETCODEPAGE));
    EXPECT_EQ(zoom, w.Send(SCI_GETZOOM));
    w.Command(ID_VIEW_ZOOM_RESET);
    EXPECT_EQ(zoom - 1, w.Send(SCI_GETZOOM));
}

TEST(EditorViewMargin, HoldsTheDigitsOfTheLineCount) {
    ViewWindow w(kMaskLineNumbers);
    const struct {
        int lines;
        int digits;
    } table[] = {{9, 4}, {12345, 5}, {123456, 6}};
    for (const auto& row : table) {
        w.SetText(std::string(static_cast<size_t>(row.lines - 1), '\n'));
        w.view->UpdateLineNumberWidth(false);
        EXPECT_EQ(row.digits, MarginDigits(w)) << row.lines;
    }

    w.Command(ID_VIEW_LINE_NUMBERS);
    EXPECT_EQ(0, w.Send(SCI_GETMARGINWIDTHN, 0));
    TempFolder folder;
    folder.Write("a.txt", Lines(20));
    ASSERT_TRUE(w.view->OpenFile(folder.File("a.txt").c_str(), kEncodingDefault));
    EXPECT_EQ(0, w.Send(SCI_GETMARGINWIDTHN, 0));
    w.Command(ID_VIEW_LINE_NUMBERS);
    EXPECT_EQ(4, MarginDigits(w));
}

// The encoding part follows each encoding command at once, not the next save.
TEST(EditorViewStatus, TheEncodingFollowsTheEncodingCommands) {
    const struct {
        int command;
        const char* name;
    } table[] = {
        {ID_DOC_ENC_UTF8, "UTF-8"},         {ID_DOC_ENC_UTF16LE, "UNICODE"},
        {ID_DOC_ENC_UTF16BE, "UNICODE BE"}, {ID_DOC_ENC_UTF8_NOBOM, "UTF-8 NOBOM"},
        {ID_DOC_ENC_ANSI, "ANSI"},
    };
    ViewWindow w;
    w.SetText("ab");
    for (const auto& row : table) {
        w.Command(row.command);
        EXPECT_EQ(row.name, w.host.status.encoding) << row.command;
    }
}

TEST(EditorViewStatus, PositionSizeAndMode) {
    ViewWindow w;
    w.view->UpdateStatusBar();
    EXPECT_EQ("Ln 1 : 1  Col 1  Sel 0", w.host.status.position);
    EXPECT_EQ(0u, w.host.status.length);
    EXPECT_EQ("INS", w.host.status.mode);

    w.SetText("ab\ncdef\n");
    w.Send(SCI_SETSEL, 4, 6);
    w.Send(SCI_SETOVERTYPE, 1);
    const ViewStatusTexts texts = w.view->StatusTexts();
    EXPECT_EQ("Ln 2 : 3  Col 4  Sel 2", texts.position);
    EXPECT_EQ(8u, texts.length);
    EXPECT_EQ("OVR", texts.mode);

    // A caret move reaches the host through the reflected SCN_UPDATEUI.
    const int before = w.host.statusUpdates;
    w.Send(SCI_GOTOPOS, 1);
    ::UpdateWindow(*w.view);
    PumpMessagesFor(50);
    EXPECT_GT(w.host.statusUpdates, before);
    EXPECT_EQ("Ln 1 : 3  Col 2  Sel 0", w.host.status.position);
}

TEST(EditorViewNotifications, TabStateFollowsTheSavePoint) {
    ViewWindow w;
    ::SendMessageW(*w.view, WM_CHAR, 'a', 0);
    ::SendMessageW(*w.view, WM_CHAR, 'b', 0);
    EXPECT_EQ(std::vector<int>{1}, w.host.tabStates);
    EXPECT_TRUE(w.view->HasOption(kViewModified));
    w.Command(ID_EDIT_UNDO);
    w.Command(ID_EDIT_UNDO);
    EXPECT_EQ((std::vector<int>{1, 0}), w.host.tabStates);
    EXPECT_FALSE(w.view->HasOption(kViewModified));
}

TEST(EditorViewNotifications, OnlyTheViewsOwnAreTaken) {
    ViewWindow w;
    w.SetText(Lines(5));
    SCNotification n{};
    n.nmhdr.hwndFrom = w.parent;
    n.nmhdr.code = SCN_MARGINCLICK;
    n.margin = kBookmarkMargin;
    n.position = w.Send(SCI_POSITIONFROMLINE, 3);
    EXPECT_FALSE(w.view->OnNotify(reinterpret_cast<NMHDR*>(&n)));
    EXPECT_EQ(0, w.Send(SCI_MARKERGET, 3));
    n.nmhdr.hwndFrom = *w.view;
    ::SendMessageA(*w.view, OCM__BASE + WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
    EXPECT_EQ(2, w.Send(SCI_MARKERGET, 3));
}

TEST(EditorViewBookmarks, ToggleWrapAndClear) {
    ViewWindow w;
    w.SetText(Lines(10));
    auto caretLine = [&] { return w.view->CaretLine(); };
    w.Send(SCI_GOTOLINE, 2);
    w.Command(ID_SEARCH_BOOKMARK);
    EXPECT_EQ(2, w.Send(SCI_MARKERGET, 2));
    w.Send(SCI_GOTOLINE, 7);
    w.Command(ID_SEARCH_BOOKMARK);

    w.Command(ID_SEARCH_NEXT_BOOKMARK);
    EXPECT_EQ(2, caretLine());  // wrapped from 7 past the end
    w.Command(ID_SEARCH_NEXT_BOOKMARK);
    EXPECT_EQ(7, caretLine());
    w.Command(ID_SEARCH_PREV_BOOKMARK);
    EXPECT_EQ(2, caretLine());
    w.Command(ID_SEARCH_PREV_BOOKMARK);
    EXPECT_EQ(7, caretLine());  // wrapped from 2 past the start

    SCNotification click{};
    click.nmhdr.hwndFrom = *w.view;
    click.nmhdr.code = SCN_MARGINCLICK;
    click.margin = kBookmarkMargin;
    click.position = w.Send(SCI_POSITIONFROMLINE, 7) + 2;
    w.view->OnNotify(reinterpret_cast<NMHDR*>(&click));
    EXPECT_EQ(0, w.Send(SCI_MARKERGET, 7));

    w.Send(SCI_GOTOLINE, 2);
    w.Command(ID_SEARCH_NEXT_BOOKMARK);  // only the caret line has one
    EXPECT_EQ(2, caretLine());
    w.Command(ID_SEARCH_CLEAR_BOOKMARKS);
    EXPECT_EQ(-1, w.Send(SCI_MARKERNEXT, 0, 2));
    w.Command(ID_SEARCH_NEXT_BOOKMARK);
    EXPECT_EQ(2, caretLine());
}

TEST(EditorViewEditing, MoveLineUpAndDown) {
    const struct {
        WORD command;
        int caretLine;
        const char* after;
        int caretAfter;
    } table[] = {
        {ID_EDIT_LINE_UP, 0, "a\nb\nc", 0},
        {ID_EDIT_LINE_DOWN, 2, "a\nb\nc", 2},
        {ID_EDIT_LINE_UP, 1, "b\na\nc", 0},
        {ID_EDIT_LINE_DOWN, 1, "a\nc\nb", 2},
        {ID_EDIT_LINE_DOWN, 0, "b\na\nc", 1},
    };
    ViewWindow w;
    for (const auto& row : table) {
        w.SetText("a\nb\nc");
        w.Send(SCI_EMPTYUNDOBUFFER);
        w.Send(SCI_GOTOLINE, row.caretLine);
        w.Command(row.command);
        EXPECT_EQ(row.after, w.Text()) << row.command << " on " << row.caretLine;
        EXPECT_EQ(row.caretAfter, w.view->CaretLine()) << row.command << " on " << row.caretLine;
        w.Command(ID_EDIT_UNDO);
        EXPECT_EQ("a\nb\nc", w.Text()) << "one undo restores";
    }
}

TEST(EditorViewEditing, StripTrailingBlanksInOneUndo) {
    ViewWindow w;
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        const std::string e = eol;
        w.SetText("a \t" + e + "\t" + e + "  x" + e + "b  ");
        w.Send(SCI_EMPTYUNDOBUFFER);
        w.Command(ID_EDIT_STRIP_TRAILING);
        EXPECT_EQ("a" + e + e + "  x" + e + "b", w.Text());
        w.Command(ID_EDIT_UNDO);
        EXPECT_EQ("a \t" + e + "\t" + e + "  x" + e + "b  ", w.Text());
    }
}

TEST(EditorViewEditing, DeleteClearsForwardAndPassThroughCommands) {
    ViewWindow w;
    w.SetText("abc");
    w.Send(SCI_GOTOPOS, 1);
    w.Command(ID_EDIT_DELETE);
    EXPECT_EQ("ac", w.Text());
    w.Command(ID_EDIT_SELECT_ALL);
    w.Command(ID_EDIT_UPPERCASE);
    EXPECT_EQ("AC", w.Text());

    w.Command(ID_DOC_ENC_UTF16LE);
    EXPECT_EQ(2, w.view->GetEncoding());
    EXPECT_EQ(SC_CP_UTF8, w.Send(SCI_GETCODEPAGE));
    w.Command(ID_DOC_EOL_LF);
    EXPECT_EQ(SC_EOL_LF, w.Send(SCI_GETEOLMODE));
    const sptr_t tabs = w.Send(SCI_GETUSETABS);
    w.Command(ID_DOC_USE_TABS);
    EXPECT_NE(tabs, w.Send(SCI_GETUSETABS));
}

TEST(EditorViewEditing, TypedCharactersReachAUtf8DocumentWhole) {
    ViewWindow w;
    w.Send(SCI_SETCODEPAGE, SC_CP_UTF8);
    ::SendMessageW(*w.view, WM_CHAR, 0x4E2D, 0);
    ::SendMessageW(*w.view, WM_CHAR, 0x0E01, 0);  // outside code page 936
    EXPECT_EQ("E4 B8 AD E0 B8 81", ToHex(w.Text()));
}

TEST(EditorViewGoTo, LineBecomesTheThirdVisibleAndTakesFocus) {
    ViewWindow w;
    w.SetText(Lines(300));
    ::SetFocus(w.parent);
    ::SendMessageA(*w.view, WM_GOTOLINE, 0, 50);
    EXPECT_EQ(49, w.view->CaretLine());
    EXPECT_EQ(47, w.Send(SCI_GETFIRSTVISIBLELINE));
    EXPECT_EQ(static_cast<HWND>(*w.view), ::GetFocus());

    w.host.promptAnswer = 120;
    w.Command(ID_SEARCH_GOTO_LINE);
    EXPECT_EQ(301, w.host.promptedLineCount);
    EXPECT_EQ(119, w.view->CaretLine());
    w.host.promptAnswer = -1;
    w.Command(ID_SEARCH_GOTO_LINE);
    EXPECT_EQ(119, w.view->CaretLine());
}

TEST(EditorViewText, WordCount) {
    const struct {
        const char* text;
        size_t words;
    } table[] = {
        {"a1 b,c", 3}, {"...x", 1}, {"", 0}, {"a-b", 1}, {"a(b", 1}, {"one\ntwo\r\nthree", 3}, {"\xD6\xD0 x", 1},
    };
    for (const auto& row : table) {
        CWordCounter counter;
        counter.Feed(row.text, std::strlen(row.text));
        EXPECT_EQ(row.words, counter.Count()) << row.text;
    }

    ViewWindow w;
    std::string text(0x10000 - 2, ' ');
    text += "word end";  // "word" lies across the first window's edge
    w.SetText(text);
    EXPECT_EQ(2u, w.view->CountWords());
}

TEST(EditorViewText, SelectedOrWordText) {
    ViewWindow w;
    w.SetText("alpha beta\ngamma");
    char buffer[8];
    w.Send(SCI_SETSEL, 6, 10);
    EXPECT_TRUE(w.view->GetSelectedOrWordText(buffer, sizeof(buffer)));
    EXPECT_STREQ("beta", buffer);
    w.Send(SCI_SETSEL, 6, 13);  // two lines
    EXPECT_FALSE(w.view->GetSelectedOrWordText(buffer, sizeof(buffer)));
    w.Send(SCI_SETSEL, 0, 4);
    EXPECT_FALSE(w.view->GetSelectedOrWordText(buffer, 4));  // not shorter than the size
    w.Send(SCI_GOTOPOS, 13);
    EXPECT_TRUE(w.view->GetSelectedOrWordText(buffer, sizeof(buffer)));
    EXPECT_STREQ("gamma", buffer);
    w.Send(SCI_GOTOPOS, 5);
    EXPECT_TRUE(w.view->GetSelectedOrWordText(buffer, sizeof(buffer)));  // end of "alpha"
    EXPECT_STREQ("alpha", buffer);

    EXPECT_EQ("alpha beta\n", w.view->GetLineText(0));
    w.Send(SCI_GOTOPOS, 12);
    EXPECT_EQ("gamma", w.view->GetLineText(-1));
    EXPECT_EQ(5, w.view->LineLength(1));
}

TEST(EditorViewText, ViewStateRoundTripWithFoldedLines) {
    ViewWindow w(kMaskWrap);
    w.SetText(std::string(300, 'w') + "\n" + Lines(200));  // the first line wraps
    w.Send(SCI_HIDELINES, 5, 40);
    w.Send(SCI_SETFIRSTVISIBLELINE, 30);
    w.Send(SCI_SETSELECTIONSTART, 1000);
    w.Send(SCI_SETSELECTIONEND, 1010);
    const ViewState state = w.view->GetViewState();
    EXPECT_EQ(30, state.firstLine);

    w.Send(SCI_SETFIRSTVISIBLELINE, 0);
    w.Send(SCI_SETEMPTYSELECTION, 0);
    w.view->SetViewState(state);
    EXPECT_EQ(30, w.Send(SCI_GETFIRSTVISIBLELINE));
    EXPECT_EQ(1000, w.Send(SCI_GETSELECTIONSTART));
    EXPECT_EQ(1010, w.Send(SCI_GETSELECTIONEND));
    EXPECT_EQ(state.xOffset, w.Send(SCI_GETXOFFSET));
}

TEST(EditorViewContextMenu, FollowsSelectionBookmarkAndUndo) {
    ViewWindow w;
    w.SetText("alpha beta gamma\nsecond line\n");
    w.Send(SCI_EMPTYUNDOBUFFER);
    w.Send(SCI_SETSEL, 6, 10);
    const POINT inside{static_cast<LONG>(w.Send(SCI_POINTXFROMPOSITION, 0, 8)),
                       static_cast<LONG>(w.Send(SCI_POINTYFROMPOSITION, 0, 8)) + 2};
    auto state = [](const CContextMenu& menu, UINT id) {
        return ::GetMenuState(menu.Popup(), id, MF_BYCOMMAND);
    };
    auto text = [](const CContextMenu& menu, UINT id) {
        char buffer[64] = {};
        ::GetMenuStringA(menu.Popup(), id, buffer, sizeof(buffer), MF_BYCOMMAND);
        return std::string(buffer);
    };
    {
        CContextMenu menu = w.view->PrepareContextMenu(inside);
        ASSERT_NE(nullptr, menu.Popup());
        EXPECT_EQ(6, w.Send(SCI_GETSELECTIONSTART));
        EXPECT_EQ(10, w.Send(SCI_GETSELECTIONEND));
        EXPECT_FALSE(state(menu, ID_EDIT_COPY) & MF_GRAYED);
        EXPECT_TRUE(state(menu, ID_EDIT_UNDO) & MF_GRAYED);
        EXPECT_TRUE(state(menu, ID_EDIT_REDO) & MF_GRAYED);
        EXPECT_EQ(LoadText(IDS_BOOKMARK_ADD), text(menu, ID_SEARCH_BOOKMARK));
        EXPECT_EQ(-1, ::GetMenuState(menu.Popup(), ID_VIEW_MENUBAR, MF_BYCOMMAND));
    }

    w.Send(SCI_SETSEL, 6, 10);
    w.Send(SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>("BETA"));
    w.Send(SCI_SETSEL, 6, 10);
    w.view->ToggleBookmark(1);
    w.host.toolbarVisible = false;
    const POINT outside{static_cast<LONG>(w.Send(SCI_POINTXFROMPOSITION, 0, 20)),
                        static_cast<LONG>(w.Send(SCI_POINTYFROMPOSITION, 0, 20)) + 2};
    CContextMenu menu = w.view->PrepareContextMenu(outside);
    EXPECT_EQ(20, w.Send(SCI_GETCURRENTPOS));
    EXPECT_EQ(20, w.Send(SCI_GETANCHOR));
    EXPECT_TRUE(state(menu, ID_EDIT_COPY) & MF_GRAYED);
    EXPECT_FALSE(state(menu, ID_EDIT_UNDO) & MF_GRAYED);
    EXPECT_EQ(LoadText(IDS_BOOKMARK_REMOVE), text(menu, ID_SEARCH_BOOKMARK));
    EXPECT_NE(LoadText(IDS_BOOKMARK_ADD), LoadText(IDS_BOOKMARK_REMOVE));
    EXPECT_EQ(-1, ::GetMenuState(menu.Popup(), ID_VIEW_MENUBAR, MF_BYCOMMAND));
    EXPECT_EQ(LoadText(IDS_SHOW_TOOLBAR), text(menu, ID_VIEW_TOOLBAR));
}

}  // namespace
