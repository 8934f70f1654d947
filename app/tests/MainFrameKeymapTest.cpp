// The keyboard map on a real main frame: the accelerator table from the key
// file or the built-in shortcuts, the tools' entries after them, the
// commands its keys send, and the shortcut texts of the menus.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "IniKeys.h"
#include "AppSettings.h"
#include "Keymap.h"
#include "TextConversion.h"
#include "MainFrame.h"
#include "MessagePump.h"
#include "ModalDialogDriver.h"
#include "OptionsTestSupport.h"
#include "Window.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

// Records the commands an accelerator table sends to it.
class CommandRecorder : public CMsgWindow {
public:
    std::vector<WORD> commands;
    TW_BEGIN_MSG_MAP(CommandRecorder)
        TW_MESSAGE_HANDLER(WM_COMMAND, OnCommand)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override {
        WindowClassInfo info;
        info.name = "TarnwickKeymapTestRecorder";
        return info;
    }

private:
    LRESULT OnCommand(UINT, WPARAM wParam, LPARAM, bool&) {
        commands.push_back(LOWORD(wParam));
        return 0;
    }
};

class MainFrameKeymapTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (m_frame) {
            m_frame->DestroyWindow();
            PumpMessagesFor(30);
            g_mainFrame = nullptr;
            m_frame.reset();
        }
        ::DeleteFileA(KeyFile().c_str());
    }
    static std::string KeyFile() { return g_environment->folder->File(kKeymapFileName); }
    static void WriteKeyFile(const std::vector<uint8_t>& bytes) {
        g_environment->folder->Write(kKeymapFileName, std::string(bytes.begin(), bytes.end()));
    }
    void CreateFrame() {
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
    }
    std::string MenuText(UINT command) const {
        char text[256] = {};
        ::GetMenuStringA(m_frame->Menu(), command, text, sizeof(text), MF_BYCOMMAND);
        return text;
    }
    // The commands the frame's table sends for a plain key press.
    std::vector<WORD> CommandsOfKey(WORD key) const {
        CommandRecorder recorder;
        RECT rect{0, 0, 10, 10};
        recorder.Create(nullptr, &rect, "recorder", WS_POPUP);
        MSG msg{recorder.m_hWnd, WM_KEYDOWN, key, 1, 0, {}};
        ::TranslateAcceleratorA(recorder.m_hWnd, m_frame->Accelerators(), &msg);
        recorder.DestroyWindow();
        return recorder.commands;
    }

    std::unique_ptr<CMainFrame> m_frame;
};

// Menu texts are in the system code page.
std::string Ansi(const char* utf8) { return Utf8ToAnsi(utf8, ::GetACP()); }

const std::vector<CommandKeys> kFileKeys = {
    {ID_SEARCH_GOTO_LINE, {{VK_F9, 0}, {'G', kHotKeyCtrl | kHotKeyShift}}},
    {ID_FILE_NEW, {{VK_HOME, kHotKeyCtrl | kHotKeyShift}}},
};

TEST_F(MainFrameKeymapTest, TheTableIsTheFilesEntriesThenTheTools) {
    ASSERT_TRUE(WriteKeymapFile(KeyFile(), kFileKeys));
    CreateFrame();
    const std::vector<ACCEL> tools = {{FVIRTKEY, VK_F10, ID_TOOL_FIRST}, {FVIRTKEY | FALT, 'T', ID_TOOL_FIRST + 1}};
    m_frame->LoadKeymap(tools);
    const std::vector<ACCEL>& entries = m_frame->KeymapEntries();
    ASSERT_EQ(5u, entries.size());
    EXPECT_EQ(ID_SEARCH_GOTO_LINE, entries[0].cmd);
    EXPECT_EQ(ID_FILE_NEW, entries[2].cmd);
    EXPECT_EQ(ID_TOOL_FIRST, entries[3].cmd);
    EXPECT_EQ(ID_TOOL_FIRST + 1, entries[4].cmd);
    EXPECT_EQ(5, ::CopyAcceleratorTableA(m_frame->Accelerators(), nullptr, 0));

    EXPECT_EQ(std::vector<WORD>{ID_SEARCH_GOTO_LINE}, CommandsOfKey(VK_F9));
    EXPECT_EQ(std::vector<WORD>{ID_TOOL_FIRST}, CommandsOfKey(VK_F10));
    // The built-in F3 is not in the file.
    EXPECT_TRUE(CommandsOfKey(VK_F3).empty());
}

TEST_F(MainFrameKeymapTest, AtMostEightyToolEntriesAreAdded) {
    CreateFrame();
    const size_t builtIn = m_frame->KeymapEntries().size();
    std::vector<ACCEL> tools(90, ACCEL{FVIRTKEY, VK_F10, ID_TOOL_FIRST});
    m_frame->LoadKeymap(tools);
    EXPECT_EQ(builtIn + 80, m_frame->KeymapEntries().size());
}

TEST_F(MainFrameKeymapTest, ADamagedFileGivesTheBuiltInShortcuts) {
    std::vector<uint8_t> damaged = EncodeKeymap(kFileKeys);
    damaged.push_back(0);
    WriteKeyFile(damaged);
    CreateFrame();
    EXPECT_GT(m_frame->KeymapEntries().size(), 10u);
    EXPECT_EQ(std::vector<WORD>{ID_SEARCH_FIND_NEXT}, CommandsOfKey(VK_F3));
    EXPECT_TRUE(CommandsOfKey(VK_F9).empty());
    EXPECT_EQ(Ansi("新建(&N)\tCtrl+N"), MenuText(ID_FILE_NEW));
    // The damaged file is left for the user, not overwritten.
    EXPECT_EQ(damaged.size(), g_environment->folder->Read(kKeymapFileName).size());
}

TEST_F(MainFrameKeymapTest, MenusShowTheLoadedShortcuts) {
    ASSERT_TRUE(WriteKeymapFile(KeyFile(), kFileKeys));
    CreateFrame();
    // Two entries for one command: the last one shows.
    EXPECT_EQ(Ansi("跳到行(&G)...\tCtrl+Shift+G"), MenuText(ID_SEARCH_GOTO_LINE));
    EXPECT_EQ(Ansi("新建(&N)\tCtrl+Shift+Home"), MenuText(ID_FILE_NEW));
    // A built-in shortcut that the file does not have is no longer shown.
    EXPECT_EQ(Ansi("打开(&O)..."), MenuText(ID_FILE_OPEN));
    EXPECT_EQ(Ansi("恢复上次存盘状态(&R)"), MenuText(ID_FILE_RELOAD));
}

// The keys page of the frame's own options dialog: a key given to a
// command shows in the menu at once and works after a restart, and the
// built-in keys of other commands stay.
TEST_F(MainFrameKeymapTest, AKeyAssignedOnTheKeysPageWorksAfterARestart) {
    CreateFrame();
    DriveNextDialog([](HWND dialog) {
        HWND page = ShownPageWith(dialog, IDC_KEYS_TREE);
        ASSERT_TRUE(page);
        HWND tree = ::GetDlgItem(page, IDC_KEYS_TREE);
        // 文件 -> 新建: the first child of the first root.
        ::SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET,
                       ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD,
                                      ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
        ::SendDlgItemMessageA(page, IDC_KEYS_HOTKEY, HKM_SETHOTKEY, VK_F8, 0);
        ::SendDlgItemMessageA(page, IDC_KEYS_ADD, BM_CLICK, 0, 0);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    m_frame->SendMessage(WM_COMMAND, ID_OPTIONS_KEYS, 0);
    EXPECT_EQ(Ansi("新建(&N)\tF8"), MenuText(ID_FILE_NEW));
    EXPECT_EQ(std::vector<WORD>{ID_FILE_NEW}, CommandsOfKey(VK_F8));

    m_frame->DestroyWindow();
    PumpMessagesFor(30);
    m_frame.reset();
    CreateFrame();
    EXPECT_EQ(Ansi("新建(&N)\tF8"), MenuText(ID_FILE_NEW));
    EXPECT_EQ(std::vector<WORD>{ID_FILE_NEW}, CommandsOfKey(VK_F8));
    EXPECT_EQ(std::vector<WORD>{ID_SEARCH_FIND_NEXT}, CommandsOfKey(VK_F3));
}

// A tool's key set on the keys page goes into its TOOL entry, not the
// key file, and the rebuilt Tools menu and table carry it.
TEST_F(MainFrameKeymapTest, AToolsKeyGoesToItsEntryAndWorksAtOnce) {
    g_appSettings->WriteString(ini::kTool, "Build", "make?all||?*.c|0");
    CreateFrame();
    DriveNextDialog([](HWND dialog) {
        HWND page = ShownPageWith(dialog, IDC_KEYS_TREE);
        ASSERT_TRUE(page);
        HWND tree = ::GetDlgItem(page, IDC_KEYS_TREE);
        HTREEITEM found = FindTreeItem(tree, TreeView_GetRoot(tree), "Build");
        ASSERT_TRUE(found);
        TreeView_SelectItem(tree, found);
        ::SendDlgItemMessageA(page, IDC_KEYS_HOTKEY, HKM_SETHOTKEY, VK_F7, 0);
        ::SendDlgItemMessageA(page, IDC_KEYS_ADD, BM_CLICK, 0, 0);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    m_frame->SendMessage(WM_COMMAND, ID_OPTIONS_KEYS, 0);
    EXPECT_EQ("make?all||7733249?*.c|0", g_appSettings->ReadString(ini::kTool, "Build", ""));
    EXPECT_EQ(std::vector<WORD>{ID_TOOL_FIRST}, CommandsOfKey(VK_F7));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadKeymapFile(KeyFile(), bytes));
    std::vector<ACCEL> entries;
    ASSERT_TRUE(ParseKeymap(bytes, entries));
    for (const ACCEL& entry : entries) EXPECT_NE(ID_TOOL_FIRST, entry.cmd);
    g_appSettings->ClearSection(ini::kTool);
}

TEST_F(MainFrameKeymapTest, UpdateMenuShortcutsCutsAtTheTabAndSkipsMissingItems) {
    HMENU menu = ::CreateMenu();
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, 10, "Alpha\tOld+Key");
    ::AppendMenuA(popup, MF_STRING | MF_GRAYED, 11, "Beta");
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "Menu");
    const ACCEL entries[] = {{FVIRTKEY | FCONTROL, VK_F5, 10}, {FVIRTKEY, VK_DELETE, 11}, {FVIRTKEY, 'Q', 12}};
    CMainFrame::UpdateMenuShortcuts(menu, entries, 3);
    char text[64] = {};
    ::GetMenuStringA(menu, 10, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ("Alpha\tCtrl+F5", text);
    ::GetMenuStringA(menu, 11, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ("Beta\tDelete", text);
    // The item's state is kept.
    EXPECT_TRUE(::GetMenuState(menu, 11, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(2, ::GetMenuItemCount(popup));
    ::DestroyMenu(menu);
}

}  // namespace
