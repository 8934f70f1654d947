// The symbol tree's three orders on a real tree view, and the go-to-symbol
// dialog driven through its modal loop over a fixed list of symbols.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "GoToSymbolDialog.h"
#include "ModalDialogDriver.h"
#include "SymbolTree.h"
#include "resource.h"

namespace {

TagRecord Tag(const char* name, TagCategory category, int line, const char* scope = "") {
    TagRecord record;
    record.name = name;
    record.category = category;
    record.line = line;
    record.scope = scope;
    return record;
}

int ImageOf(const TreeViewControl& tree, HTREEITEM item) {
    TVITEMA tv{};
    tv.mask = TVIF_IMAGE | TVIF_HANDLE;
    tv.hItem = item;
    ::SendMessageA(tree.Window(), TVM_GETITEMA, 0, (LPARAM)&tv);
    return tv.iImage;
}

class SymbolTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_tree.Create(m_parent, true));
    }
    void TearDown() override {
        m_tree.Destroy();
        ::DestroyWindow(m_parent);
    }
    void Add(std::initializer_list<TagRecord> records) {
        for (const TagRecord& r : records) m_tree.AddTag(1, r);
    }
    // "text@line" of the top level, children in brackets.
    std::string Shape() const {
        const TreeViewControl& t = m_tree.Tree();
        std::string out;
        for (HTREEITEM top = t.Root(); top; top = t.Sibling(top)) {
            out += t.Text(top) + "@" + std::to_string((int)t.Data(top));
            if (HTREEITEM child = t.Child(top)) {
                out += "[";
                for (; child; child = t.Sibling(child)) out += t.Text(child) + "@" + std::to_string((int)t.Data(child)) + " ";
                out.back() = ']';
            }
            out += " ";
        }
        return out;
    }

    HWND m_parent = nullptr;
    CSymbolTree m_tree;
};

}  // namespace

TEST_F(SymbolTreeTest, ByTypeGroupsMembersUnderTheirScope) {
    Add({Tag("run", TagCategory::Function, 8, "Task"), Tag("Task", TagCategory::Class, 2),
         Tag("main", TagCategory::Function, 3), Tag("x", TagCategory::Member, 4, "_hidden"),
         Tag("Task", TagCategory::Structure, 9), Tag("main", TagCategory::Function, 12)});
    EXPECT_EQ("Task@-1[run@8] main@3 _hidden@-1[x@4] main@12 ", Shape());
    const TreeViewControl& t = m_tree.Tree();
    EXPECT_EQ(TagCategoryImage(TagCategory::Class), ImageOf(t, t.Root()));
    EXPECT_EQ(TagCategoryImage(TagCategory::Structure), ImageOf(t, t.Sibling(t.Sibling(t.Root()))));
    EXPECT_EQ(TagCategoryImage(TagCategory::Function), ImageOf(t, t.Child(t.Root())));
}

TEST_F(SymbolTreeTest, ByNameOrdersByUnsignedBytes) {
    m_tree.SetSort(SymbolSort::ByName);
    Add({Tag("run", TagCategory::Function, 8, "Task"), Tag("a", TagCategory::Function, 1),
         Tag("B", TagCategory::Function, 2), Tag("\xB2\xE9", TagCategory::Function, 3),
         Tag("a", TagCategory::Variable, 4)});
    EXPECT_EQ("B@2 Task::run@8 a@1 a@4 \xB2\xE9@3 ", Shape());
}

TEST_F(SymbolTreeTest, ByLineKeepsEqualLinesInArrivalOrder) {
    m_tree.SetSort(SymbolSort::ByLine);
    Add({Tag("c", TagCategory::Function, 9), Tag("a", TagCategory::Function, 3), Tag("run", TagCategory::Function, 3, "T"),
         Tag("b", TagCategory::Function, 1)});
    EXPECT_EQ("b@1 a@3 T::run@3 c@9 ", Shape());
}

// ---- the dialog ------------------------------------------------------------------

namespace {

int RunDialog(std::function<void(HWND)> step) {
    CGoToSymbolDialog dialog(nullptr, nullptr);
    dialog.SetFiller([](TagSink& sink) {
        sink.AddTag(1, Tag("main", TagCategory::Function, 3));
        sink.AddTag(1, Tag("Parse", TagCategory::Function, 10));
        sink.AddTag(1, Tag("parseLine", TagCategory::Function, 20));
        sink.AddTag(1, Tag("run", TagCategory::Member, 30, "Task"));
    });
    DriveNextDialog(std::move(step));
    return dialog.DoModal(nullptr, IDD_GOTO_SYMBOL) == IDOK ? dialog.GetSelectedLine() : -1;
}

int Selected(HWND dialog) {
    return (int)::SendDlgItemMessageA(dialog, IDC_GOTO_SYMBOL_LIST, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

void Key(HWND dialog, WPARAM key) { ::SendDlgItemMessageA(dialog, IDC_GOTO_SYMBOL_NAME, WM_KEYDOWN, key, 0); }

}  // namespace

TEST(GoToSymbolDialog, TypingAPrefixSelectsTheFirstMatchInAnyCase) {
    std::vector<int> picks;
    std::string scope;
    const int line = RunDialog([&](HWND dialog) {
        for (const char* typed : {"PARSE", "parsel", "zz", "Ma"}) {
            ::SetDlgItemTextA(dialog, IDC_GOTO_SYMBOL_NAME, typed);
            picks.push_back(Selected(dialog));
        }
        char text[64] = {};
        LVITEMA item{};
        item.iSubItem = 1;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        ::SendDlgItemMessageA(dialog, IDC_GOTO_SYMBOL_LIST, LVM_GETITEMTEXTA, 3, (LPARAM)&item);
        scope = text;
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    // "zz" matches nothing and leaves the selection where it was.
    EXPECT_EQ((std::vector<int>{1, 2, 2, 0}), picks);
    EXPECT_EQ("Task", scope);
    EXPECT_EQ(3, line);
}

TEST(GoToSymbolDialog, UpAndDownStopAtTheEnds) {
    std::vector<int> picks;
    const int line = RunDialog([&](HWND dialog) {
        for (WPARAM key : {VK_DOWN, VK_UP, VK_UP, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN}) {
            Key(dialog, key);
            picks.push_back(Selected(dialog));
        }
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ((std::vector<int>{0, 0, 0, 1, 2, 3, 3, 3}), picks);
    EXPECT_EQ(30, line);
}

TEST(GoToSymbolDialog, OkWithoutASelectionKeepsTheDialogOpen) {
    bool stillOpen = false;
    const int line = RunDialog([&](HWND dialog) {
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        stillOpen = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(-1, line);
}

TEST(GoToSymbolDialog, ADoubleClickAnswersTheLine) {
    const int line = RunDialog([&](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_GOTO_SYMBOL_LIST);
        RECT rect{};
        rect.left = LVIR_LABEL;
        ::SendMessageA(list, LVM_GETITEMRECT, 2, (LPARAM)&rect);
        const LPARAM at = MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
        ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(list, WM_LBUTTONUP, 0, at);
        ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::SendMessageA(list, WM_LBUTTONUP, 0, at);
    });
    EXPECT_EQ(20, line);
}
