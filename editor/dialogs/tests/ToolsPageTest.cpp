// The tools page in the real options dialog: a TOOL section longer than any
// fixed buffer comes back byte for byte but for the edited line, the fields
// of a selected tool, New and its limit, the toolbar's enabling, and the
// refusal of a duplicate name.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "IniKeys.h"
#include "MessageBoxRecorder.h"
#include "ModalDialogDriver.h"
#include "OptionsPages.h"
#include "OptionsTestSupport.h"
#include "TempFolder.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

class ToolsHost : public RecordingOptionsHost {
public:
    void RebuildToolsMenu() override { ++rebuilds; }
    int rebuilds = 0;
};

std::string Text(HWND page, int id) {
    char text[1024] = {};
    ::GetDlgItemTextA(page, id, text, sizeof(text));
    return text;
}

void SelectItem(HWND page, int item) {
    HWND list = ::GetDlgItem(page, IDC_TOOLS_LIST);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::string ItemText(HWND page, int item) {
    char text[256] = {};
    ListView_GetItemText(::GetDlgItem(page, IDC_TOOLS_LIST), item, 0, text, sizeof(text));
    return text;
}

void Toolbar(HWND page, int command) { ::SendMessageA(page, WM_COMMAND, command, 0); }
bool ToolbarEnabled(HWND page, int command) {
    return ::SendDlgItemMessageA(page, IDC_TOOLS_TOOLBAR_BAR, TB_ISBUTTONENABLED, command, 0) != 0;
}

class ToolsPageTest : public ::testing::Test {
protected:
    ToolsPageTest() : settings(folder.Path().c_str()) {}
    void SetSection(const std::vector<std::string>& lines) {
        std::string section;
        for (const std::string& line : lines) section += line + '\0';
        section += '\0';
        ::WritePrivateProfileSectionA(ini::kTool, section.c_str(), settings.iniPath);
    }
    std::vector<std::string> Section() const {
        std::vector<std::string> lines;
        const std::string section = settings.ReadWholeSection(ini::kTool);
        for (size_t at = 0; at < section.size();) {
            const size_t end = section.find('\0', at);
            if (end == at || end == std::string::npos) break;
            lines.push_back(section.substr(at, end - at));
            at = end + 1;
        }
        return lines;
    }
    void Open(std::function<void(HWND dialog, HWND page)> step) {
        DriveNextDialog([&](HWND dialog) { step(dialog, ShownPage(dialog)); });
        ShowOptions(ID_OPTIONS_TOOLS, settings, host);
    }

    TempFolder folder;
    CAppSettings settings;
    ToolsHost host;
    MessageBoxRecorder boxes{SetMessageBoxHook};
};

TEST_F(ToolsPageTest, AnOverLongSectionSurvivesApplyButForTheEditedLine) {
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) {
        lines.push_back("Tool " + std::to_string(i) + "=\"C:\\Program Files\\Tools\\tool" + std::to_string(i) +
                        ".exe\"?--all $(FILE)|C:\\work|" + std::to_string(65536 * (0x70 + i % 8) + 1) +
                        "?*.c;*.h|0" + std::to_string(i % 4));  // "00".."03": not as Apply would write it
        if (i == 5) lines.push_back("Broken=no tool here");
    }
    SetSection(lines);
    ASSERT_GT(settings.ReadWholeSection(ini::kTool).size(), 3000u);
    ASSERT_EQ(lines, Section());
    std::string program, arguments;
    int shown = 0;
    Open([&](HWND dialog, HWND page) {
        shown = ListView_GetItemCount(::GetDlgItem(page, IDC_TOOLS_LIST));
        SelectItem(page, 2);
        program = Text(page, IDC_TOOLS_COMMAND);
        arguments = Text(page, IDC_TOOLS_ARGUMENTS);
        ::SetDlgItemTextA(page, IDC_TOOLS_ARGUMENTS, "--one");
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(30, shown);
    EXPECT_EQ("\"C:\\Program Files\\Tools\\tool2.exe\"", program);
    EXPECT_EQ("--all $(FILE)", arguments);
    std::vector<std::string> expected = lines;
    expected[2] = "Tool 2=\"C:\\Program Files\\Tools\\tool2.exe\"?--one|C:\\work|7471105?*.c;*.h|2";
    // The line the page could not show comes after the tools it shows, and
    // the tools past its limit after that, each as it was.
    expected.erase(expected.begin() + 6);
    expected.insert(expected.begin() + 30, "Broken=no tool here");
    const std::vector<std::string> after = Section();
    ASSERT_EQ(expected.size(), after.size());
    for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(expected[i], after[i]) << i;
    EXPECT_EQ(1, host.rebuilds);
}

TEST_F(ToolsPageTest, NewNamesItsToolAndStopsAtThirty) {
    std::vector<std::string> lines;
    for (int i = 0; i < 28; ++i) lines.push_back("T" + std::to_string(i) + "=x||?|0");
    SetSection(lines);
    bool newAtStart = false, newAtThirty = true, upOnFirst = true, downOnLast = true, consoleShown = false;
    std::string names[2], focusName;
    Open([&](HWND dialog, HWND page) {
        newAtStart = ToolbarEnabled(page, ID_LIST_NEW);
        upOnFirst = ToolbarEnabled(page, ID_LIST_UP);
        Toolbar(page, ID_LIST_NEW);
        Toolbar(page, ID_LIST_NEW);
        names[0] = ItemText(page, 28);
        names[1] = ItemText(page, 29);
        newAtThirty = ToolbarEnabled(page, ID_LIST_NEW);
        downOnLast = ToolbarEnabled(page, ID_LIST_DOWN);
        focusName = Text(page, IDC_TOOLS_NAME);
        consoleShown = ::IsDlgButtonChecked(page, IDC_TOOLS_SHOW_CONSOLE) == BST_CHECKED &&
                       ::IsWindowEnabled(::GetDlgItem(page, IDC_TOOLS_SHOW_CONSOLE));
        // Renamed as typed; then moved up one place.
        ::SetDlgItemTextA(page, IDC_TOOLS_NAME, "Last");
        Toolbar(page, ID_LIST_UP);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(newAtStart);
    EXPECT_FALSE(upOnFirst);
    EXPECT_EQ("<New Tool>", names[0]);
    EXPECT_EQ("<New Tool> 2", names[1]);
    EXPECT_FALSE(newAtThirty);
    EXPECT_FALSE(downOnLast);
    EXPECT_EQ("<New Tool> 2", focusName);
    EXPECT_TRUE(consoleShown) << "a new tool runs in the command pane, shown";
    const std::vector<std::string> section = Section();
    ASSERT_EQ(30u, section.size());
    EXPECT_EQ("Last=||?|5", section[28]);
    EXPECT_EQ("<New Tool>=||?|5", section[29]);
}

TEST_F(ToolsPageTest, ADuplicateNameIsRefusedAndNothingIsWritten) {
    SetSection({"Build=make||?|0", "Run=go||?|0"});
    const std::vector<std::string> before = Section();
    Open([&](HWND dialog, HWND page) {
        SelectItem(page, 1);
        ::SetDlgItemTextA(page, IDC_TOOLS_NAME, "build");
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(before, Section());
    EXPECT_EQ(0, host.rebuilds);
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(Ansi(L"已有名为'build'的工具，请使用其他名称。"), boxes.boxes[0].text);
}

TEST_F(ToolsPageTest, DeleteSelectsTheFirstAndTheInsertMenuPutsAMacro) {
    SetSection({"A=a||?|0", "B=b?x?y||?|0", "C=c||?|0"});
    std::string program, arguments, afterDelete;
    Open([&](HWND dialog, HWND page) {
        SelectItem(page, 1);
        program = Text(page, IDC_TOOLS_COMMAND);
        arguments = Text(page, IDC_TOOLS_ARGUMENTS);
        ::SendDlgItemMessageA(page, IDC_TOOLS_ARGUMENTS, EM_SETSEL, 0, -1);
        ::SendMessageA(page, WM_COMMAND, ID_TOOLVAR_FILE_BASE, 0);
        SelectItem(page, 2);
        Toolbar(page, ID_LIST_DELETE);
        afterDelete = Text(page, IDC_TOOLS_NAME);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ("b?x", program);
    EXPECT_EQ("y", arguments);
    EXPECT_EQ("A", afterDelete);
    EXPECT_EQ((std::vector<std::string>{"A=a||?|0", "B=b?x?$(FILE_BASE)||?|0"}), Section());
}

}  // namespace
