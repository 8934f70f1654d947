// Find in files through a real main frame: the command opens the dialog,
// a search over a fixture tree fills the chosen pane with exactly the lines
// and counts it should, picking a line opens its file there, the pane
// commands toggle the panes, and closing the frame mid-search stops it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "FindInFilesRunner.h"
#include "FindResultsPane.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "ResourceText.h"
#include "ScratchRegistry.h"
#include "SearchFixtures.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

void Pump() { PumpFrameMessages(); }

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

// 查找 in code page 936 and in UTF-8.
const std::string kChineseWord = "\xB2\xE9\xD5\xD2";
const std::string kChineseName = kChineseWord + ".txt";  // a GBK file name
const std::string kUtf8Bom = "\xEF\xBB\xBF";
const std::string kChineseWordUtf8 = "\xE6\x9F\xA5\xE6\x89\xBE";

constexpr uint32_t kWord = kSearchWholeWord, kCase = kSearchMatchCase, kSub = kSearchSubfolders;

class FrameFindInFilesTest : public RealFrameTest {
protected:
    void SetUp() override {
        g_appSettings->EditorMask = 0;
        g_appSettings->search = SearchOptions{};
        RealFrameTest::SetUp();
    }

    void MakeTree() {
        ::CreateDirectoryA(m_files.File("sub").c_str(), nullptr);
        ::CreateDirectoryA(m_files.File(".git").c_str(), nullptr);
        m_files.Write("ascii.txt", "alpha beta\r\nBeta gamma\r\nalphabet\r\n");
        m_files.Write(kChineseName, kChineseWord + " beta\n");
        m_files.Write("utf8.txt", kUtf8Bom + "beta " + kChineseWordUtf8 + "\nbe.a\n");
        m_files.Write("sub\\deep.c", "int beta = 1;\n");
        m_files.Write("sub\\skip.h", "// beta\n");
        m_files.Write(".git\\seen.txt", "beta\n");
    }
    HWND OpenDialog() {
        ::SendMessageA(*m_frame, WM_COMMAND, ID_SEARCH_FIND_IN_FILES, 0);
        Pump();
        for (HWND w = ::FindWindowA("#32770", nullptr); w; w = ::FindWindowExA(nullptr, w, "#32770", nullptr))
            if (::GetWindow(w, GW_OWNER) == m_frame->m_hWnd) return w;
        return nullptr;
    }
    // Runs one search through the dialog and waits for it to end.
    void Search(const std::string& text, uint32_t mask, const std::string& types, bool second = false) {
        const HWND dialog = OpenDialog();
        ASSERT_TRUE(dialog);
        ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, text.c_str());
        ::SetDlgItemTextA(dialog, IDC_FIF_TYPES, types.c_str());
        ::SetDlgItemTextA(dialog, IDC_FIF_FOLDER, m_files.Path().c_str());
        ::CheckDlgButton(dialog, IDC_SEARCH_MATCH_CASE, (mask & kCase) ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(dialog, IDC_SEARCH_WHOLE_WORD, (mask & kWord) ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(dialog, IDC_FIF_SUBFOLDERS, (mask & kSub) ? BST_CHECKED : BST_UNCHECKED);
        ::CheckRadioButton(dialog, IDC_FIF_PANE1, IDC_FIF_PANE2, second ? IDC_FIF_PANE2 : IDC_FIF_PANE1);
        g_appSettings->search.SearchMask |= mask & kSearchRegex;
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        for (int i = 0; i < 500 && m_frame->FindInFilesRunner()->RunningCount(); ++i) ::Sleep(10), Pump();
        Pump();
    }
    // The Window menu's check mark of a command, as the menu is opened.
    bool WindowMenuChecks(UINT id) const {
        const HMENU window = ::GetSubMenu(m_frame->Menu(), MENU_POS_WINDOW);
        ::SendMessageA(*m_frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(window), MAKELPARAM(MENU_POS_WINDOW, 0));
        return (::GetMenuState(window, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    bool ButtonEnabled(UINT id) const { return ::SendMessageA(m_frame->Toolbar(), TB_ISBUTTONENABLED, id, 0) != 0; }
    std::vector<std::string> Lines(bool second) const {
        std::vector<std::string> lines;
        const HWND list = m_frame->GetFindResultsPane(second)->List();
        const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[600] = {};
            ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            lines.push_back(text);
        }
        return lines;
    }
    std::string Line(const std::string& name, int line, const std::string& text) const {
        return m_files.File(name) + "(" + std::to_string(line) + "): " + text;
    }
    std::string Summary(const std::string& text, int hits, int files) const {
        const std::string format = LoadText(IDS_FIND_IN_FILES_DONE);
        char summary[512];
        snprintf(summary, sizeof(summary), format.c_str(), text.c_str(), hits, files, 0.0);
        return std::string(summary).substr(0, std::string(summary).find("0.000"));
    }

    ScratchRegistry m_registry;
    RecordedMessageBoxes m_boxes;
    TempFolder m_files;
};

TEST_F(FrameFindInFilesTest, SearchesFillThePaneWithExactlyTheirLines) {
    MakeTree();
    const struct {
        const char* name;
        std::string text;
        uint32_t mask;
        std::string types;
        std::vector<std::string> lines;
        int files;
    } cases[] = {
        {"subfolders",
         "beta",
         kSub,
         "",
         {Line("ascii.txt", 1, "alpha beta"), Line("ascii.txt", 2, "Beta gamma"), Line("sub\\deep.c", 1, "int beta = 1;"),
          Line("sub\\skip.h", 1, "// beta"), Line("utf8.txt", 1, kUtf8Bom + "beta " + kChineseWordUtf8),
          Line(kChineseName, 1, kChineseWord + " beta")},
         5},
        {"this folder only",
         "beta",
         0,
         "",
         {Line("ascii.txt", 1, "alpha beta"), Line("ascii.txt", 2, "Beta gamma"),
          Line("utf8.txt", 1, kUtf8Bom + "beta " + kChineseWordUtf8), Line(kChineseName, 1, kChineseWord + " beta")},
         3},
        {"types", "beta", kSub, "*.c;*.h", {Line("sub\\deep.c", 1, "int beta = 1;"), Line("sub\\skip.h", 1, "// beta")}, 2},
        {"match case", "Beta", kCase | kSub, "", {Line("ascii.txt", 2, "Beta gamma")}, 1},
        {"whole word", "alpha", kWord, "", {Line("ascii.txt", 1, "alpha beta")}, 1},
        {"no regular expressions", "be.a", kSearchRegex, "", {Line("utf8.txt", 2, "be.a")}, 1},
        {"ANSI Chinese text finds the ANSI file only", kChineseWord, 0, "",
         {Line(kChineseName, 1, kChineseWord + " beta")}, 1},
    };
    for (const auto& c : cases) {
        Search(c.text, c.mask, c.types);
        std::vector<std::string> lines = Lines(false);
        ASSERT_FALSE(lines.empty()) << c.name;
        const std::string summary = lines.back();
        lines.pop_back();
        std::sort(lines.begin(), lines.end());
        std::vector<std::string> expected = c.lines;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(lines, expected) << c.name;
        const int hits = static_cast<int>(c.lines.size());
        EXPECT_EQ(summary.rfind(Summary(c.text, hits, c.files), 0), 0u) << c.name << ": " << summary;
        EXPECT_EQ(g_appSettings->search.matchCount, hits) << c.name;
        EXPECT_EQ(g_appSettings->search.fileCount, c.files) << c.name;
    }
    EXPECT_TRUE(Lines(true).empty());
}

TEST_F(FrameFindInFilesTest, TheSecondPaneByItsBitAndThePaneCommands) {
    MakeTree();
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(ButtonEnabled(ID_SEARCH_FIND_IN_FILES)) << "while the dialog is open";
    ::SendMessageA(dialog, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(ButtonEnabled(ID_SEARCH_FIND_IN_FILES));

    CFindResultsPane* second = m_frame->GetFindResultsPane(true);
    // The two panes share one box, the first in front: the command brings
    // the second forward, and then hides it.
    ::SendMessageA(*m_frame, WM_COMMAND, ID_PANE_FIND_RESULTS2, 0);
    Pump();
    EXPECT_TRUE(second->IsPaneVisible()) << "the command brings a tab behind forward";
    ::SendMessageA(*m_frame, WM_COMMAND, ID_PANE_FIND_RESULTS2, 0);
    Pump();
    EXPECT_FALSE(second->IsPaneVisible()) << "the command hides a visible pane";
    EXPECT_FALSE(WindowMenuChecks(ID_PANE_FIND_RESULTS2));
    EXPECT_TRUE(WindowMenuChecks(ID_PANE_FIND_RESULTS1));
    Search("gamma", 0, "*.txt", true);
    EXPECT_TRUE(second->IsPaneVisible()) << "a search shows its pane";
    EXPECT_TRUE(WindowMenuChecks(ID_PANE_FIND_RESULTS2));
    EXPECT_EQ(Lines(true).size(), 2u);
    EXPECT_TRUE(Lines(false).empty());
    EXPECT_EQ(g_appSettings->search.SearchMask & kSearchSecondPane, kSearchSecondPane);

    // The search brought the second tab forward: the first pane's command
    // brings it back to the front, then hides it, then shows it again.
    CFindResultsPane* first = m_frame->GetFindResultsPane(false);
    ::SendMessageA(*m_frame, WM_COMMAND, ID_PANE_FIND_RESULTS1, 0);
    Pump();
    EXPECT_TRUE(first->IsPaneVisible()) << "the command brings a tab behind forward";
    ::SendMessageA(*m_frame, WM_COMMAND, ID_PANE_FIND_RESULTS1, 0);
    Pump();
    EXPECT_FALSE(first->IsPaneVisible());
    ::SendMessageA(*m_frame, WM_COMMAND, ID_PANE_FIND_RESULTS1, 0);
    Pump();
    EXPECT_TRUE(first->IsPaneVisible()) << "and shows a hidden one";
}

TEST_F(FrameFindInFilesTest, PickingALineOpensTheFileThere) {
    std::string text;
    for (int i = 1; i <= 100; ++i) text += i == 60 ? "the target line\n" : "filler\n";
    m_files.Write("long.txt", text);
    Search("target", 0, "");
    ASSERT_EQ(Lines(false).size(), 2u);
    const HWND list = m_frame->GetFindResultsPane(false)->List();
    RECT item{};
    ::SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(list, WM_LBUTTONUP, 0, at);
    ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageA(list, WM_LBUTTONUP, 0, at);
    Pump();
    CDocumentFrame* document = m_frame->FindDocumentFrame(m_files.File("long.txt").c_str());
    ASSERT_TRUE(document && document->GetEditor());
    CEditorView& view = *document->GetEditor();
    EXPECT_EQ(view.Send(SCI_LINEFROMPOSITION, view.Send(SCI_GETCURRENTPOS)), 59);
    EXPECT_EQ(view.Send(SCI_GETFIRSTVISIBLELINE), 57) << "the third visible line";
    EXPECT_EQ(m_frame->RecentFiles().Count(), 1);

    // The summary line opens nothing; a file gone since says so.
    ::SendMessageA(list, LB_SETCURSEL, 1, 0);
    ::SendMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(m_frame->DocumentWindows().size(), 1u);
    m_frame->GetFindResultsPane(false)->AddResultLine(m_files.File("gone.txt").c_str(), 1, "x");
    ::SendMessageA(list, LB_SETCURSEL, 2, 0);
    ::SendMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    char status[300] = {};
    ::SendMessageA(m_frame->StatusBar(), SB_GETTEXTA, 4, reinterpret_cast<LPARAM>(status));
    EXPECT_EQ(std::string(status), "Could not locate file " + m_files.File("gone.txt") + ".");
}

TEST_F(FrameFindInFilesTest, ClosingTheFrameMidSearchStopsTheSearchFirst) {
    WriteManyHits(m_files, 200);
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "hit");
    ::SetDlgItemTextA(dialog, IDC_FIF_FOLDER, m_files.Path().c_str());
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    CFindInFilesRunner& runner = *m_frame->FindInFilesRunner();
    const HWND list = m_frame->GetFindResultsPane(false)->List();
    for (int i = 0; i < 500 && ::SendMessageA(list, LB_GETCOUNT, 0, 0) == 0; ++i) ::Sleep(5), Pump();
    ASSERT_EQ(runner.RunningCount(), 1u) << "still searching when the frame closes";
    ::SendMessageA(*m_frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(m_frame->IsWindow());
    EXPECT_EQ(runner.RunningCount(), 0u);
    MSG quit{};
    ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
