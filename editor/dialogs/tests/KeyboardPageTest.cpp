// The keys page in the real options dialog over a menu and accelerator
// table handed to it: the tree's selection and the controls it enables,
// adding and removing keys with the limit and duplicate messages, and what
// Apply writes to the key file and the tools' entries.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "IniKeys.h"
#include "Keymap.h"
#include "MessageBoxRecorder.h"
#include "ModalDialogDriver.h"
#include "OptionsPages.h"
#include "OptionsTestSupport.h"
#include "TempFolder.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

class KeysHost : public RecordingOptionsHost {
public:
    HMENU MainMenu() const override { return menu; }
    std::vector<ACCEL> AcceleratorEntries() const override { return table; }
    std::string KeymapPath() const override { return path; }
    void ReloadKeymap() override { ++reloads; }

    HMENU menu = nullptr;
    std::vector<ACCEL> table;
    std::string path;
    int reloads = 0;
};

// Selects the tree item as a click does.
void SelectCommand(HWND page, const char* text) {
    HWND tree = ::GetDlgItem(page, IDC_KEYS_TREE);
    HTREEITEM item = FindTreeItem(tree, TreeView_GetRoot(tree), text);
    ASSERT_NE(nullptr, item) << text;
    TreeView_SelectItem(tree, item);
}

std::vector<std::string> Keys(HWND page) {
    std::vector<std::string> out;
    const int count = (int)::SendDlgItemMessageA(page, IDC_KEYS_LIST, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        ::SendDlgItemMessageA(page, IDC_KEYS_LIST, LB_GETTEXT, i, (LPARAM)text);
        out.push_back(text);
    }
    return out;
}

void AddKey(HWND page, WORD key, BYTE hotkeyModifiers) {
    ::SendDlgItemMessageA(page, IDC_KEYS_HOTKEY, HKM_SETHOTKEY, MAKEWORD(key, hotkeyModifiers), 0);
    ::SendDlgItemMessageA(page, IDC_KEYS_ADD, BM_CLICK, 0, 0);
}

void RemoveKey(HWND page, int line) {
    ::SendDlgItemMessageA(page, IDC_KEYS_LIST, LB_SETCURSEL, line, 0);
    ::SendDlgItemMessageA(page, IDC_KEYS_REMOVE, BM_CLICK, 0, 0);
}

bool Enabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }

class KeyboardPageTest : public ::testing::Test {
protected:
    KeyboardPageTest() : settings(folder.Path().c_str()) {
        host.path = folder.File(kKeymapFileName);
        // 文件(&F): 新建(&N) 101, the tool "Build" 600, Recent > {Clear 104}.
        HMENU file = ::CreatePopupMenu();
        ::AppendMenuA(file, MF_STRING, 101, Ansi(L"新建(&N)\tCtrl+N").c_str());
        ::AppendMenuA(file, MF_STRING, 600, "Build");
        HMENU recent = ::CreatePopupMenu();
        ::AppendMenuA(recent, MF_STRING, 104, "Clear");
        ::AppendMenuA(file, MF_POPUP | MF_STRING, (UINT_PTR)recent, "Recent");
        ::AppendMenuA(host.menu = ::CreateMenu(), MF_POPUP | MF_STRING, (UINT_PTR)file, Ansi(L"文件(&F)").c_str());
        host.table = {{FVIRTKEY | FCONTROL, 'N', 101}, {FVIRTKEY, VK_F9, 600}, {FVIRTKEY | FSHIFT, VK_F3, 900}};
    }
    ~KeyboardPageTest() override { ::DestroyMenu(host.menu); }

    void Open(std::function<void(HWND dialog, HWND page)> step) {
        DriveNextDialog([&](HWND dialog) { step(dialog, ShownPage(dialog)); });
        ShowOptions(ID_OPTIONS_KEYS, settings, host);
    }
    std::vector<uint8_t> KeyFile() const {
        std::ifstream in(host.path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }

    TempFolder folder;
    CAppSettings settings;
    KeysHost host;
    MessageBoxRecorder boxes{SetMessageBoxHook};
};

TEST_F(KeyboardPageTest, OnlyACommandEnablesTheKeyControls) {
    std::string title;
    std::vector<bool> atRoot, atCommand, atSubmenu;
    std::vector<std::string> keysOfNew;
    const int controls[] = {IDC_KEYS_LIST, IDC_KEYS_HOTKEY, IDC_KEYS_ADD, IDC_KEYS_REMOVE, IDC_KEYS_LIST_LABEL,
                            IDC_KEYS_HOTKEY_LABEL};
    auto states = [&](HWND page) {
        std::vector<bool> out;
        for (int id : controls) out.push_back(Enabled(page, id));
        return out;
    };
    Open([&](HWND dialog, HWND page) {
        title = ListText(dialog, ListSelection(dialog));
        atRoot = states(page);  // the first root is selected at opening
        SelectCommand(page, Ansi(L"新建(N)").c_str());
        atCommand = states(page);
        keysOfNew = Keys(page);
        SelectCommand(page, "Recent");
        atSubmenu = states(page);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(Ansi(L"快捷键"), title);
    EXPECT_EQ(std::vector<bool>(6, false), atRoot);
    EXPECT_EQ(std::vector<bool>(6, true), atCommand);
    EXPECT_EQ(std::vector<bool>(6, false), atSubmenu);
    EXPECT_EQ((std::vector<std::string>{"Ctrl+N"}), keysOfNew);
    EXPECT_EQ(0, host.reloads);
}

TEST_F(KeyboardPageTest, ApplyWritesTheFileInTreeOrderAndTheToolsKeysToTheirEntries) {
    settings.WriteString(ini::kTool, "Build", "make?all|C:\\src|7864329?*.c|1");
    std::vector<std::string> newKeys, toolKeys;
    Open([&](HWND dialog, HWND page) {
        SelectCommand(page, "Clear");
        AddKey(page, VK_F4, HOTKEYF_ALT | HOTKEYF_EXT);  // the extended bit is not kept
        SelectCommand(page, Ansi(L"新建(N)").c_str());
        AddKey(page, 'K', HOTKEYF_CONTROL | HOTKEYF_SHIFT);
        newKeys = Keys(page);
        SelectCommand(page, "Build");
        RemoveKey(page, 0);
        AddKey(page, VK_F10, 0);
        AddKey(page, VK_F11, HOTKEYF_CONTROL);
        toolKeys = Keys(page);
        ::SendMessageA(dialog, WM_COMMAND, IDC_OPTIONS_APPLY, 0);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ((std::vector<std::string>{"Ctrl+N", "Ctrl+Shift+K"}), newKeys);
    EXPECT_EQ((std::vector<std::string>{"F10", "Ctrl+F11"}), toolKeys);
    // New's keys, then Clear's (Recent's child, before Recent), then the
    // key of command 900, which the tree does not list.
    const std::vector<uint8_t> expected = {
        4,    0, 0, 0,                     //
        0x09, 0, 'N',   0, 101, 0,         //
        0x0D, 0, 'K',   0, 101, 0,         //
        0x11, 0, VK_F4, 0, 104, 0,         //
        0x05, 0, VK_F3, 0, 0x84, 0x03,
    };
    EXPECT_EQ(expected, KeyFile());
    EXPECT_EQ("make?all|C:\\src|7929857,7995401?*.c|1", settings.ReadString(ini::kTool, "Build", ""));
    // Apply and then OK, both with the page changed.
    EXPECT_EQ(2, host.reloads);
    EXPECT_TRUE(boxes.boxes.empty());
}

// The keys page and the tools page in one session, applied twice, the
// tool renamed in between: its key stays with it and no tool gets another's.
TEST_F(KeyboardPageTest, AToolsKeySurvivesTheToolsPageAndASecondApply) {
    settings.WriteString(ini::kTool, "Build", "make||?|0");
    settings.WriteString(ini::kTool, "Run", "go||?|0");
    Open([&](HWND dialog, HWND page) {
        SelectCommand(page, "Build");
        RemoveKey(page, 0);
        AddKey(page, VK_F10, 0);
        SelectPage(dialog, 7);  // the tools page
        HWND tools = ShownPageWith(dialog, IDC_TOOLS_LIST);
        ASSERT_TRUE(tools);
        ::SetDlgItemTextA(tools, IDC_TOOLS_FOLDER, "C:\\w");
        ::SetDlgItemTextA(tools, IDC_TOOLS_NAME, "Make");
        ::SendMessageA(dialog, WM_COMMAND, IDC_OPTIONS_APPLY, 0);
        // Run moves up to where Build was.
        ListView_SetItemState(::GetDlgItem(tools, IDC_TOOLS_LIST), 1, LVIS_SELECTED, LVIS_SELECTED);
        ::SendMessageA(tools, WM_COMMAND, ID_LIST_UP, 0);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ("make|C:\\w|7929857?|0", settings.ReadString(ini::kTool, "Make", ""));
    EXPECT_EQ("go||?|0", settings.ReadString(ini::kTool, "Run", ""));
    EXPECT_EQ("", settings.ReadString(ini::kTool, "Build", ""));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(KeyboardPageTest, AnEleventhKeyOrAKeyInUseIsRefusedWithAMessage) {
    host.table.clear();
    for (WORD i = 0; i < 10; ++i) host.table.push_back({FVIRTKEY | FCONTROL, WORD('0' + i), 104});
    host.table.push_back({FVIRTKEY | FCONTROL | FNOINVERT, 'N', 101});
    std::vector<std::string> clearKeys, buildKeys;
    WORD hotkeyAfterDuplicate = 1;
    bool applyEnabled = true;
    Open([&](HWND dialog, HWND page) {
        SelectCommand(page, "Clear");
        AddKey(page, 'Q', HOTKEYF_CONTROL);
        clearKeys = Keys(page);
        SelectCommand(page, "Build");
        AddKey(page, 'N', HOTKEYF_CONTROL);
        buildKeys = Keys(page);
        hotkeyAfterDuplicate = (WORD)::SendDlgItemMessageA(page, IDC_KEYS_HOTKEY, HKM_GETHOTKEY, 0, 0);
        applyEnabled = Enabled(dialog, IDC_OPTIONS_APPLY);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(10u, clearKeys.size());
    EXPECT_TRUE(buildKeys.empty());
    EXPECT_EQ(0, hotkeyAfterDuplicate);
    EXPECT_FALSE(applyEnabled);
    ASSERT_EQ(2u, boxes.boxes.size());
    EXPECT_EQ(Ansi(L"最多允许设置10个快捷键。"), boxes.boxes[0].text);
    EXPECT_EQ(UINT(MB_ICONERROR), boxes.boxes[0].flags & MB_ICONMASK);
    EXPECT_EQ(Ansi(L"该快捷键已被'新建(N)'使用，请输入其他快捷键。"), boxes.boxes[1].text);
    EXPECT_EQ(UINT(MB_ICONWARNING), boxes.boxes[1].flags & MB_ICONMASK);
    EXPECT_EQ("Tarnwick", boxes.boxes[1].caption);
    // Nothing changed, so OK wrote nothing.
    EXPECT_TRUE(KeyFile().empty());
    EXPECT_EQ(0, host.reloads);
}

}  // namespace
