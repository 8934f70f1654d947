// The keys page's logic over a menu built here: which items the tree lists
// and with which keys, the key file's depth-first order with the keys of
// unlisted commands kept, and the tools' shortcut lists.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "KeysPageLogic.h"

namespace {

// Owns a menu bar built from a list of (text, id or submenu).
struct TestMenu {
    HMENU bar = ::CreateMenu();
    ~TestMenu() { ::DestroyMenu(bar); }
    static HMENU Popup() { return ::CreatePopupMenu(); }
    static void Item(HMENU menu, const char* text, UINT id) { ::AppendMenuA(menu, MF_STRING, id, text); }
    static void Sub(HMENU menu, const char* text, HMENU sub) {
        ::AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), text);
    }
};

ACCEL Accel(BYTE flags, WORD key, WORD command) { return ACCEL{flags, key, command}; }

std::vector<std::string> Texts(const std::vector<KeyTreeItem>& items) {
    std::vector<std::string> out;
    for (const KeyTreeItem& item : items) out.push_back(item.text);
    return out;
}

// File (&F): New 101 Ctrl+N, separator, "" 102, break item 103, Recent >
// {Clear 104, Deeper > {Deep 105}}, Lang 701, Frame 0xE110, Tool 600
// View: Pane 790, Style 826
class KeyTreeTest : public ::testing::Test {
protected:
    KeyTreeTest() {
        HMENU file = TestMenu::Popup();
        TestMenu::Item(file, "&New\tCtrl+N", 101);
        ::AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        TestMenu::Item(file, "", 102);
        ::AppendMenuA(file, MF_STRING | MF_MENUBREAK, 103, "Break");
        HMENU recent = TestMenu::Popup();
        TestMenu::Item(recent, "&Clear", 104);
        HMENU deeper = TestMenu::Popup();
        TestMenu::Item(deeper, "Deep", 105);
        TestMenu::Sub(recent, "&Deeper", deeper);
        TestMenu::Sub(file, "&Recent", recent);
        TestMenu::Item(file, "Lang", 701);
        TestMenu::Item(file, "Frame", 0xE110);
        TestMenu::Item(file, "My &Tool\tF9", 600);
        TestMenu::Sub(menu.bar, "&File", file);
        HMENU view = TestMenu::Popup();
        TestMenu::Item(view, "&Pane", 790);
        TestMenu::Item(view, "Style", 826);
        TestMenu::Sub(menu.bar, "&View", view);
    }
    TestMenu menu;
};

TEST_F(KeyTreeTest, ListsTheCommandsOfTwoLevelsWithTheirTexts) {
    const KeyTree tree = BuildKeyTree(menu.bar, {});
    ASSERT_EQ((std::vector<std::string>{"File", "View"}), Texts(tree.roots));
    const KeyTreeItem& file = tree.roots[0];
    EXPECT_EQ((std::vector<std::string>{"New", "Recent", "My Tool"}), Texts(file.children));
    EXPECT_EQ(-1, file.children[1].record) << "a submenu has no record";
    // The first-level submenu is filled; the one below it is listed empty.
    const KeyTreeItem& recent = file.children[1];
    ASSERT_EQ((std::vector<std::string>{"Clear", "Deeper"}), Texts(recent.children));
    EXPECT_TRUE(recent.children[1].children.empty());
    EXPECT_EQ((std::vector<std::string>{"Pane"}), Texts(tree.roots[1].children));
    // Records: New, Clear, My Tool, Pane; the tool keeps its name.
    ASSERT_EQ(4u, tree.records.size());
    EXPECT_EQ("My &Tool", tree.records[2].toolName);
    EXPECT_EQ("", tree.records[0].toolName);
}

TEST_F(KeyTreeTest, ARecordTakesItsCommandsKeysInTableOrderUpToTen) {
    std::vector<ACCEL> table;
    for (WORD i = 0; i < 12; ++i) table.push_back(Accel(FVIRTKEY | FCONTROL, WORD('A' + i), 101));
    table.insert(table.begin() + 1, Accel(FVIRTKEY, VK_F5, 790));
    const KeyTree tree = BuildKeyTree(menu.bar, table);
    const KeyRecord& record = tree.records[0];
    ASSERT_EQ(10u, record.keys.size());
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(WORD('A' + i), record.keys[i].key);
    ASSERT_EQ(1u, tree.records[3].keys.size());
    EXPECT_EQ(VK_F5, tree.records[3].keys[0].key);
}

TEST_F(KeyTreeTest, TheFileTakesChildrenFirstThenTheUnlistedKeysAsTheyWere) {
    const std::vector<ACCEL> table = {
        Accel(FVIRTKEY | FCONTROL, 'N', 101), Accel(FVIRTKEY, VK_F2, 105),    // 105 is too deep
        Accel(FVIRTKEY | FALT, 'C', 104),     Accel(FVIRTKEY, VK_F9, 600),    // a tool: not in the file
        Accel(FVIRTKEY | FSHIFT, VK_F3, 900), Accel(FVIRTKEY | FNOINVERT, VK_F4, 790),
    };
    const KeyTree tree = BuildKeyTree(menu.bar, table);
    // New, then Recent's Clear (children of Recent before Recent, which
    // holds none), then the tool, then Pane.
    const std::vector<int> order = DepthFirstRecords(tree);
    ASSERT_EQ(4u, order.size());
    EXPECT_EQ(101, tree.records[order[0]].command);
    EXPECT_EQ(104, tree.records[order[1]].command);
    EXPECT_EQ(600, tree.records[order[2]].command);
    EXPECT_EQ(790, tree.records[order[3]].command);

    const std::vector<uint8_t> bytes = EncodeKeymap(KeymapCommands(tree, table));
    const std::vector<uint8_t> expected = {
        5,    0, 0, 0,                                      //
        0x09, 0, 'N', 0, 101, 0,                            // New
        0x11, 0, 'C', 0, 104, 0,                            // Clear
        0x01, 0, VK_F4, 0, 0x16, 0x03,                      // Pane (FNOINVERT is not kept)
        0x01, 0, VK_F2, 0, 105, 0,                          // unlisted, in table order
        0x05, 0, VK_F3, 0, 0x84, 0x03,
    };
    EXPECT_EQ(expected, bytes);
}

TEST_F(KeyTreeTest, ADuplicateIsFoundWhateverItsNoInvertFlag) {
    const KeyTree tree = BuildKeyTree(menu.bar, {Accel(FVIRTKEY | FNOINVERT | FCONTROL, 'N', 101)});
    EXPECT_EQ(0, FindKeyOwner(tree, {FVIRTKEY | FCONTROL, 'N'}));
    EXPECT_EQ(-1, FindKeyOwner(tree, {FVIRTKEY, 'N'}));
    EXPECT_EQ(-1, FindKeyOwner(tree, {FVIRTKEY | FCONTROL, 'M'}));
}

TEST(KeysPageLogic, LabelsDropAmpersandsAndCutAtTheTab) {
    const struct {
        const char* menu;
        const char* label;
    } cases[] = {
        {"&Open...\tCtrl+O", "Open..."},
        {"Save && &Close", "Save  Close"},
        {"\xB4\xF2\xBF\xAA(&O)\tCtrl+O", "\xB4\xF2\xBF\xAA(O)"},  // 打开(&O)
        {"\x81\x26x", "\x81\x26x"},  // a GBK trail byte '&' is part of its character
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.label, KeyTreeLabel(c.menu)) << c.menu;
}

TEST(KeysPageLogic, IdRanges) {
    for (UINT id : {100u, 700u, 782u, 825u, 600u}) EXPECT_TRUE(IsKeyPageCommand(id)) << id;
    for (UINT id : {99u, 701u, 781u, 826u, 0xE110u}) EXPECT_FALSE(IsKeyPageCommand(id)) << id;
}

TEST(KeysPageLogic, ToolShortcutLists) {
    EXPECT_EQ("", FormatToolShortcuts({}));
    EXPECT_EQ("7864329,7798793", FormatToolShortcuts({{FVIRTKEY | FCONTROL, VK_F9}, {FVIRTKEY | FCONTROL, VK_F8}}));
}

}  // namespace
