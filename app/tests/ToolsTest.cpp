// User tools: the "TOOL" lines as a table, their shortcuts, and through a
// real main frame the Tools menu, the pattern rule, the save and reload
// rules and a tool run as a process in its folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EncodingCodes.h"
#include "AppSettings.h"
#include "DocumentFrame.h"
#include "EditorView.h"
#include "EncodingCodes.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "EncodingCodes.h"
#include "MainFrame.h"
#include "ModalDialogDriver.h"
#include "OptionsTestSupport.h"
#include "TempFolder.h"
#include "ToolEntry.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

TEST(ToolEntry, ParsesTheFiveParts) {
    const struct {
        const char* text;
        bool valueOnly;
        bool parses;
        ToolEntry expected;
    } rows[] = {
        {"cl.exe?/c $(FILE)|C:\\src|7602185?*.c;*.h|11", true, true,
         {"", "cl.exe?/c $(FILE)", "C:\\src", "7602185", "*.c;*.h", 11}},
        // A '?' in the command stays in it; the keys end at the first '?' after the folder.
        {"a?b?c|f|k?p|1", true, true, {"", "a?b?c", "f", "k", "p", 1}},
        {"||?|", true, true, {"", "", "", "", "", 0}},
        // The keys end at the first '?' after the folder, whatever they hold.
        {"cmd|||x?|5", true, true, {"", "cmd", "", "|x", "", 5}},
        {"cmd|f|k?p|flags", true, true, {"", "cmd", "f", "k", "p", 0}},
        {"cmd|f|k?p|", true, true, {"", "cmd", "f", "k", "p", 0}},
        // Each separator missing in turn.
        {"cmd", true, false, {}},
        {"cmd|f", true, false, {}},
        {"cmd|f|k", true, false, {}},
        {"cmd|f|k?p", true, false, {}},
        // Whole lines: the name before the first '='.
        {"Build=make?all|C:\\w|?|2", false, true, {"Build", "make?all", "C:\\w", "", "", 2}},
        {"A=b=c||?|0", false, true, {"A", "b=c", "", "", "", 0}},
        {"no name||?|0", false, false, {}},
    };
    for (const auto& row : rows) {
        ToolEntry entry;
        ASSERT_EQ(row.parses, ParseToolEntry(entry, row.text, row.valueOnly)) << row.text;
        if (!row.parses) continue;
        EXPECT_EQ(row.expected.name, entry.name) << row.text;
        EXPECT_EQ(row.expected.command, entry.command) << row.text;
        EXPECT_EQ(row.expected.folder, entry.folder) << row.text;
        EXPECT_EQ(row.expected.keys, entry.keys) << row.text;
        EXPECT_EQ(row.expected.patterns, entry.patterns) << row.text;
        EXPECT_EQ(row.expected.flags, entry.flags) << row.text;
    }
}

TEST(ToolEntry, FormattingRefusesASeparatorInsideAPart) {
    std::string value;
    ASSERT_TRUE(FormatToolValue({"T", "prog?a b", "C:\\w", "7602185,5505041", "*.c", 9}, value));
    EXPECT_EQ("prog?a b|C:\\w|7602185,5505041?*.c|9", value);
    ToolEntry back;
    ASSERT_TRUE(ParseToolEntry(back, value, true));
    EXPECT_EQ("7602185,5505041", back.keys);
    for (const ToolEntry& bad : {ToolEntry{"T", "a|b", "", "", "", 0}, ToolEntry{"T", "a", "f|g", "", "", 0},
                                 ToolEntry{"T", "a", "", "k?", "", 0}, ToolEntry{"T", "a", "", "", "*.c|*.h", 0}}) {
        value = "unchanged";
        EXPECT_FALSE(FormatToolValue(bad, value));
        EXPECT_EQ("unchanged", value);
    }
}

TEST(ToolEntry, KeysListsGiveShortcutsUntilAZero) {
    const std::vector<ACCEL> two = ParseToolKeys("7602185,5505041", 603);
    ASSERT_EQ(2u, two.size());
    EXPECT_EQ(9, two[0].fVirt);  // Ctrl+F5
    EXPECT_EQ(0x74, two[0].key);
    EXPECT_EQ(17, two[1].fVirt);  // Alt+T
    EXPECT_EQ(0x54, two[1].key);
    EXPECT_EQ(603, two[1].cmd);
    for (const char* none : {",7602185", "0,7602185", "", "x,7602185"})
        EXPECT_TRUE(ParseToolKeys(none, 600).empty()) << none;
    EXPECT_EQ(1u, ParseToolKeys("7602185,0,5505041", 600).size());
}

TEST(ToolEntry, PatternsAndDocuments) {
    const ToolEntry forC{"C", "cc", "", "", "*.c;*.h", kToolNeedsDocument};
    EXPECT_TRUE(ToolAppliesTo(forC, "C:\\w\\a.c"));
    EXPECT_TRUE(ToolAppliesTo(forC, "C:\\w\\b.h"));
    EXPECT_FALSE(ToolAppliesTo(forC, "C:\\w\\a.txt"));
    EXPECT_FALSE(ToolAppliesTo(forC, "<new>"));
    EXPECT_FALSE(ToolAppliesTo(forC, ""));
    const ToolEntry anyDocument{"D", "cc", "", "", "", kToolNeedsDocument};
    EXPECT_TRUE(ToolAppliesTo(anyDocument, "<new>"));
    EXPECT_FALSE(ToolAppliesTo(anyDocument, ""));
    const ToolEntry free{"F", "cc", "", "", "*.c", 0};
    EXPECT_TRUE(ToolAppliesTo(free, ""));
    const struct {
        const char* expanded;
        const char* line;
    } lines[] = {
        {"prog?a?b", "prog a?b"},
        {"prog", "prog"},
        {"prog?", "prog "},
        {"C:\\Program Files\\cc.exe?/c x.c", "\"C:\\Program Files\\cc.exe\" /c x.c"},
        {"\"C:\\Program Files\\cc.exe\"?/c", "\"C:\\Program Files\\cc.exe\" /c"},
        {" C:\\My Tools\\t.exe ?a", "\"C:\\My Tools\\t.exe\" a"},
        // Without a '?' the program cannot be told from its arguments.
        {"C:\\Program Files\\cc.exe /c", "C:\\Program Files\\cc.exe /c"},
    };
    for (const auto& row : lines) EXPECT_EQ(row.line, ToolCommandLine(row.expanded)) << row.expanded;
}

// The settings' ini in a folder of its own.
class ToolSectionTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    CAppSettings m_settings{m_folder.Path().c_str()};
    void WriteSection(const std::string& lines) {
        ::WritePrivateProfileSectionA(ini::kTool, lines.c_str(), m_settings.iniPath);
    }
};

TEST_F(ToolSectionTest, ASectionOverAThousandBytesIsReadWhole) {
    std::string lines;
    for (int i = 0; i < 40; ++i)
        lines += "Tool " + std::to_string(i) + "=C:\\Program Files\\Some Compiler\\bin\\cc.exe?/c $(FILE) /o $(FILE_BASE)" +
                 "|C:\\work|?*.c;*.h|2" + '\0';
    lines += "Tool 0=second.exe||?|0";
    lines += '\0';
    lines += "Broken=no separators";
    lines += '\0';
    lines += '\0';
    ASSERT_GT(lines.size(), 3000u);
    WriteSection(lines);
    const std::vector<ToolLine> read = ReadToolLines(m_settings);
    ASSERT_EQ(42u, read.size());
    EXPECT_TRUE(read[39].parsed);
    EXPECT_EQ("Tool 39", read[39].entry.name);
    // A duplicate name is a tool of its own, in its place.
    EXPECT_TRUE(read[40].parsed);
    EXPECT_EQ("Tool 0", read[40].entry.name);
    EXPECT_EQ("second.exe", read[40].entry.command);
    EXPECT_FALSE(read[41].parsed);
    EXPECT_EQ("Broken=no separators", read[41].text);
}

TEST_F(ToolSectionTest, WritingKeepsLinesThatDoNotParse) {
    WriteSection(std::string("A=a||?|1\0Odd=line\0B=b||?|0\0\0", 28));
    std::vector<ToolLine> lines = ReadToolLines(m_settings);
    ASSERT_EQ(3u, lines.size());
    lines[0].entry.flags = 5;
    ASSERT_TRUE(WriteToolLines(m_settings, lines));
    lines = ReadToolLines(m_settings);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(5u, lines[0].entry.flags);
    EXPECT_EQ("Odd=line", lines[1].text);
    EXPECT_EQ("B", lines[2].entry.name);
    // A '|' where it would cut the entry is refused and nothing is written.
    lines[2].entry.command = "x|y";
    EXPECT_FALSE(WriteToolLines(m_settings, lines));
    EXPECT_EQ("b", ReadToolLines(m_settings)[2].entry.command);
}

// ---- through a real main frame ------------------------------------------------------

std::string ProbePath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program = path;
    return program.substr(0, program.rfind('\\')) + "\\tool_probe.exe";
}

class ToolsFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_appSettings->ClearSection(ini::kTool);
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        PumpFrameMessages();
    }
    void TearDown() override {
        if (m_frame->IsWindow()) {
            m_frame->CloseAllDocuments(true);
            m_frame->DestroyWindow();
        }
        PumpFrameMessages();
        g_mainFrame = nullptr;
        m_frame.reset();
        g_appSettings->ClearSection(ini::kTool);
    }
    void SetTools(const std::vector<std::string>& lines) {
        std::string section;
        for (const std::string& line : lines) section += line + '\0';
        section += '\0';
        ::WritePrivateProfileSectionA(ini::kTool, section.c_str(), g_appSettings->iniPath);
        m_frame->RebuildToolsMenu();
    }
    HMENU ToolsMenu() const { return ::GetSubMenu(m_frame->Menu(), MENU_POS_TOOLS); }
    // The Tools menu as it opens.
    void OpenToolsMenu() const { m_frame->SendMessage(WM_INITMENUPOPUP, (WPARAM)ToolsMenu(), MENU_POS_TOOLS); }
    bool Enabled(UINT id) const {
        return !(::GetMenuState(ToolsMenu(), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    }
    CDocumentFrame* Open(const std::string& name, const std::string& text) {
        m_files.Write(name, text);
        CDocumentFrame* document = m_frame->OpenDocument(m_files.File(name).c_str(), kEncodingDefault, false);
        PumpFrameMessages();
        return document;
    }
    static std::string Text(CDocumentFrame* document) {
        CEditorView* view = document->GetEditor();
        const int length = (int)view->Send(SCI_GETLENGTH);
        std::string text((size_t)length + 1, '\0');
        view->Send(SCI_GETTEXT, (WPARAM)length + 1, (LPARAM)text.data());
        text.resize((size_t)length);
        return text;
    }
    static void Modify(CDocumentFrame* document) { document->GetEditor()->Send(SCI_APPENDTEXT, 1, (LPARAM)"!"); }
    void Run(UINT id) {
        m_frame->SendMessage(WM_COMMAND, id);
        PumpFrameMessages();
    }
    std::string Probe(const std::string& folder) const {
        HANDLE file = ::CreateFileA((folder + "\\probe.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "";
        char buffer[16384] = {};
        DWORD got = 0;
        ::ReadFile(file, buffer, sizeof(buffer) - 1, &got, nullptr);
        ::CloseHandle(file);
        return std::string(buffer, got);
    }

    std::unique_ptr<CMainFrame> m_frame;
    TempFolder m_files;
    MessageBoxRecorder m_boxes{SetMessageBoxHook};
};

TEST_F(ToolsFrameTest, TheMenuListsTheToolsInOrderAboveASeparator) {
    const int ownItems = ::GetMenuItemCount(ToolsMenu());
    SetTools({"First=a||?|0", "Broken=b", "Third=c||7602185?|0"});
    HMENU menu = ToolsMenu();
    ASSERT_EQ(ownItems + 4, ::GetMenuItemCount(menu));
    for (UINT k = 0; k < 3; ++k) EXPECT_EQ(ID_TOOL_FIRST + k, ::GetMenuItemID(menu, (int)k));
    EXPECT_TRUE(::GetMenuState(menu, 3, MF_BYPOSITION) & MF_SEPARATOR);
    char text[64] = {};
    ::GetMenuStringA(menu, ID_TOOL_FIRST + 2, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_EQ(0, std::strncmp("Third\t", text, 6)) << "its shortcut after a tab: " << text;
    OpenToolsMenu();
    EXPECT_TRUE(Enabled(ID_TOOL_FIRST));
    EXPECT_FALSE(Enabled(ID_TOOL_FIRST + 1)) << "a line that does not parse cannot run";

    // A rebuild takes the old items and their separator away first.
    SetTools({"Only=a||?|0"});
    EXPECT_EQ(ownItems + 2, ::GetMenuItemCount(menu));
    SetTools({});
    EXPECT_EQ(ownItems, ::GetMenuItemCount(menu));

    // Room for 80 tools, no more.
    std::vector<std::string> many;
    for (int i = 0; i < 90; ++i) many.push_back("T" + std::to_string(i) + "=x||?|0");
    SetTools(many);
    EXPECT_EQ(ownItems + 81, ::GetMenuItemCount(menu));
    EXPECT_EQ((int)ID_TOOL_LAST, (int)::GetMenuItemID(menu, 79));
}

// A tool made on the options dialog's tools page is in the Tools menu when
// the dialog closes, and runs.
TEST_F(ToolsFrameTest, AToolAddedOnTheToolsPageIsInTheMenuAndRuns) {
    TempFolder work;
    const std::string command = "\"" + ProbePath() + "\"";
    DriveNextDialog([&](HWND dialog) {
        HWND page = ShownPageWith(dialog, IDC_TOOLS_LIST);
        ASSERT_TRUE(page);
        ::SendMessageA(page, WM_COMMAND, ID_LIST_NEW, 0);
        ::SetDlgItemTextA(page, IDC_TOOLS_NAME, "Probe");
        ::SetDlgItemTextA(page, IDC_TOOLS_COMMAND, command.c_str());
        ::SetDlgItemTextA(page, IDC_TOOLS_ARGUMENTS, "made");
        ::SetDlgItemTextA(page, IDC_TOOLS_FOLDER, work.Path().c_str());
        ::SendDlgItemMessageA(page, IDC_TOOLS_IN_CONSOLE, BM_CLICK, 0, 0);  // run as a process
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    m_frame->SendMessage(WM_COMMAND, ID_OPTIONS_TOOLS, 0);
    char text[64] = {};
    ::GetMenuStringA(ToolsMenu(), ID_TOOL_FIRST, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ("Probe", text);
    Run(ID_TOOL_FIRST);
    EXPECT_EQ(work.Path() + "\nmade\n", Probe(work.Path()));
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(ToolsFrameTest, AProcessRunsInItsFolderWithItsExpandedArguments) {
    TempFolder work;
    CDocumentFrame* document = Open("main.cpp", "int main;\n");
    ASSERT_TRUE(document);
    SetTools({"Probe=\"" + ProbePath() + "\"?$(FILENAME) \"two words\" $FILE$|" + work.Path() + "|?|0"});
    Run(ID_TOOL_FIRST);
    EXPECT_EQ(work.Path() + "\nmain.cpp\ntwo words\n$FILE$\n", Probe(work.Path()));
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(ToolsFrameTest, AToolForNoDocumentRunsWithoutOneAndNeverAsksToSave) {
    TempFolder work;
    SetTools({"Free=\"" + ProbePath() + "\"?$(FILE)|" + work.Path() + "|?*.c|0"});
    OpenToolsMenu();
    EXPECT_TRUE(Enabled(ID_TOOL_FIRST));
    Run(ID_TOOL_FIRST);
    // No document: the file macros are empty, the patterns do not apply.
    EXPECT_EQ(work.Path() + "\n", Probe(work.Path()));

    CDocumentFrame* document = Open("m.txt", "text\n");
    ASSERT_TRUE(document);
    Modify(document);
    Run(ID_TOOL_FIRST);
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_TRUE(document->IsModified()) << "not saved";
    EXPECT_EQ(work.Path() + "\n" + m_files.File("m.txt") + "\n", Probe(work.Path()));
    m_boxes.answer = IDNO;
}

TEST_F(ToolsFrameTest, ACommandLineOverSeveralBlocksRunsAsOneCommand) {
    TempFolder work;
    const std::string name = std::string(100, 'n') + ".txt";
    CDocumentFrame* document = Open(name, "text\n");
    ASSERT_TRUE(document);
    // 50 paths of some 130 bytes each: more than one 4096-byte block, from a
    // command within the 512 characters.
    std::string arguments;
    for (int i = 0; i < 50; ++i) arguments += " $(FILE)";
    SetTools({"Long=\"" + ProbePath() + "\"?" + arguments + "|" + work.Path() + "|?|0"});
    Run(ID_TOOL_FIRST);
    std::string expected = work.Path() + "\n";
    for (int i = 0; i < 50; ++i) expected += m_files.File(name) + "\n";
    ASSERT_GT(expected.size(), 4096u);
    const std::string probe = Probe(work.Path());
    EXPECT_EQ(expected.size(), probe.size());
    EXPECT_TRUE(expected == probe) << "every path in order, none split";

    // A command over 512 characters runs nothing rather than a cut one.
    ::DeleteFileA((work.Path() + "\\probe.txt").c_str());
    SetTools({"Too long=\"" + ProbePath() + "\"?" + arguments + arguments + "|" + work.Path() + "|?|0"});
    Run(ID_TOOL_FIRST);
    EXPECT_EQ("", Probe(work.Path()));
}

TEST_F(ToolsFrameTest, APatternLimitedToolFollowsTheDocument) {
    TempFolder work;
    SetTools({"C only=\"" + ProbePath() + "\"?ran|" + work.Path() + "|?*.c;*.h|2"});
    OpenToolsMenu();
    EXPECT_FALSE(Enabled(ID_TOOL_FIRST)) << "no document";
    Run(ID_TOOL_FIRST);
    EXPECT_EQ("", Probe(work.Path()));

    ASSERT_TRUE(Open("a.txt", "text\n"));
    OpenToolsMenu();
    EXPECT_FALSE(Enabled(ID_TOOL_FIRST));
    Run(ID_TOOL_FIRST);
    EXPECT_EQ("", Probe(work.Path()));

    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    PumpFrameMessages();
    OpenToolsMenu();
    EXPECT_FALSE(Enabled(ID_TOOL_FIRST)) << "an untitled document";

    ASSERT_TRUE(Open("a.c", "int a;\n"));
    OpenToolsMenu();
    EXPECT_TRUE(Enabled(ID_TOOL_FIRST));
    Run(ID_TOOL_FIRST);
    EXPECT_EQ(work.Path() + "\nran\n", Probe(work.Path()));
}

TEST_F(ToolsFrameTest, AModifiedDocumentIsSavedFirstAsTheFlagsSay) {
    TempFolder work;
    const std::string tool = "\"" + ProbePath() + "\"?ran|" + work.Path() + "|?*.c|";
    const struct {
        int flags;
        int answer;
        bool asked, saved, ran;
    } rows[] = {
        {2 | 8, IDOK, false, true, true},  // saved at once
        {2, IDYES, true, true, true},
        {2, IDNO, true, false, true},
        {2, IDCANCEL, true, false, false},
    };
    for (const auto& row : rows) {
        SetTools({"Save=" + tool + std::to_string(row.flags)});
        CDocumentFrame* document = Open("s.c", "int s;\n");
        ASSERT_TRUE(document);
        Modify(document);
        ::DeleteFileA((work.Path() + "\\probe.txt").c_str());
        m_boxes.Clear();
        m_boxes.answer = row.answer;
        Run(ID_TOOL_FIRST);
        EXPECT_EQ(row.asked ? 1u : 0u, m_boxes.boxes.size()) << row.flags << " " << row.answer;
        if (row.asked && !m_boxes.boxes.empty()) EXPECT_NE(std::string::npos, m_boxes.boxes[0].text.find("Save"));
        EXPECT_EQ(row.saved, m_files.Read("s.c") == "int s;\n!") << row.flags << " " << row.answer;
        EXPECT_EQ(row.ran, !Probe(work.Path()).empty()) << row.flags << " " << row.answer;
        m_boxes.answer = IDNO;
        m_frame->CloseAllDocuments(true);
        PumpFrameMessages();
    }
}

TEST_F(ToolsFrameTest, AfterTheToolTheChangedFileIsReloadedAsTheFlagsSay) {
    for (bool quiet : {true, false}) {
        CDocumentFrame* document = Open("r.c", "before\n");
        ASSERT_TRUE(document);
        const std::string file = m_files.File("r.c");
        // Later than the loaded file's stamp, which counts in two-second steps.
        ::Sleep(2100);
        SetTools({"Format=\"" + ProbePath() + "\"?--rewrite \"" + file + "\" after||?*.c|" +
                  std::to_string(quiet ? 2 | 16 : 2)});
        m_boxes.Clear();
        m_boxes.answer = IDYES;
        Run(ID_TOOL_FIRST);
        EXPECT_EQ("after", m_files.Read("r.c"));
        EXPECT_EQ(quiet ? 0u : 1u, m_boxes.boxes.size()) << "the usual question, unless the flags make it quiet";
        EXPECT_EQ("after", Text(document)) << quiet;
        m_frame->CloseAllDocuments(true);
        PumpFrameMessages();
    }
}

}  // namespace
