// The find-in-files dialog over stand-in hosts and two real result panes:
// what it starts with, a search it starts into pane 2, the search buttons
// while it is open, and an empty find text.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "FindInFilesDialog.h"
#include "FindInFilesRunner.h"
#include "FindResultsPane.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MessageBoxRecorder.h"
#include "ScratchRegistry.h"
#include "SearchHistory.h"
#include "SearchFixtures.h"
#include "TempFolder.h"
#include "UiSeams.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

void Pump() { PumpFrameMessages(); }

// The program's message boxes, recorded and answered with OK.
MessageBoxRecorder g_boxes{SetMessageBoxHook};

struct NoOpener : IResultFileOpener {
    CEditorView* OpenResultFile(const char*) override { return nullptr; }
    void SetStatusMessage(const char*) override {}
};

struct StandInSearchHost : ISearchHost {
    std::vector<bool> buttons;
    CViewSearch* ActiveSearch() override { return nullptr; }
    void ForEachSearch(const std::function<bool(CViewSearch&)>&) override {}
    void EnableSearchButtons(bool enable) override { buttons.push_back(enable); }
    uint32_t EditorMask() const override { return 0; }
};

class DialogTest : public ::testing::Test, public IFindInFilesHost {
protected:
    void SetUp() override {
        g_boxes.Clear();
        m_owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < 2; ++i) {
            m_panes[i] = std::make_unique<CFindResultsPane>(
                i + 1, m_opener, ResultPaneLookOf(*g_appSettings, i + 1, g_outputFont, g_screenDC));
            RECT r{100, 100, 500, 300};
            ASSERT_TRUE(m_panes[i]->Create(m_owner, r, "pane", kDefaultPaneStyle & ~WS_VISIBLE));
        }
    }
    void TearDown() override {
        if (::IsWindow(m_dialog)) ::DestroyWindow(m_dialog);
        m_runner.StopAll();
        for (auto& pane : m_panes) pane.reset();
        ::DestroyWindow(m_owner);
    }

    std::string ActiveDocumentPath() override { return m_document; }
    CFindResultsPane* ShowFindResultsPane(bool second) override {
        m_shown.push_back(second ? 2 : 1);
        return m_panes[second ? 1 : 0].get();
    }
    CFindInFilesRunner& SearchRunner() override { return m_runner; }

    void OpenDialog() {
        m_dialog =
            CFindInFilesDialog::Open(m_owner, *this, m_searchHost, m_gate, m_options);
        ASSERT_TRUE(m_dialog);
        Pump();
    }
    std::string Text(int id) const {
        char text[300] = {};
        ::GetDlgItemTextA(m_dialog, id, text, sizeof(text));
        return text;
    }
    void WaitForSearches() {
        for (int i = 0; i < 500 && m_runner.RunningCount(); ++i) {
            Pump();
            ::Sleep(10);
        }
        Pump();
    }
    std::vector<std::string> Lines(int pane) const {
        std::vector<std::string> lines;
        const HWND list = m_panes[pane - 1]->List();
        for (int i = 0; i < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            char text[600] = {};
            ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            lines.push_back(text);
        }
        return lines;
    }

    ScratchRegistry m_registry;
    SearchOptions m_options;
    CFindInFilesRunner m_runner{m_options};
    StandInSearchHost m_searchHost;
    CSearchButtonsGate m_gate;
    NoOpener m_opener;
    std::unique_ptr<CFindResultsPane> m_panes[2];
    std::vector<int> m_shown;
    std::string m_document;
    HWND m_owner = nullptr;
    HWND m_dialog = nullptr;
    TempFolder m_files;
};

TEST_F(DialogTest, StartsFromTheOptionsAndTheActiveDocument) {
    m_document = "C:\\v1.2\\src\\main.cpp";
    m_options.SearchMask = kSearchWholeWord | kSearchSubfolders | kSearchSecondPane;
    strcpy(m_options.FindText, "needle");
    OpenDialog();
    EXPECT_EQ(Text(IDC_SEARCH_FIND_TEXT), "needle");
    EXPECT_EQ(Text(IDC_FIF_TYPES), "*cpp");
    EXPECT_EQ(Text(IDC_FIF_FOLDER), "C:\\v1.2\\src");
    EXPECT_TRUE(::IsDlgButtonChecked(m_dialog, IDC_SEARCH_WHOLE_WORD));
    EXPECT_FALSE(::IsDlgButtonChecked(m_dialog, IDC_SEARCH_MATCH_CASE));
    EXPECT_TRUE(::IsDlgButtonChecked(m_dialog, IDC_FIF_SUBFOLDERS));
    EXPECT_TRUE(::IsDlgButtonChecked(m_dialog, IDC_FIF_PANE2));
    char caption[64] = {};
    ::GetWindowTextA(m_dialog, caption, sizeof(caption));
    EXPECT_STREQ(caption, "\xCE\xC4\xBC\xFE\xD6\xD0\xB2\xE9\xD5\xD2") << "文件中查找 in code page 936";

    // The histories win over the document once they hold something.
    ::SendMessageA(m_dialog, WM_COMMAND, IDCANCEL, 0);
    m_registry.Write("Software\\Tarnwick\\FindType", "a", "*.h");
    m_registry.Write("Software\\Tarnwick\\FindType", "MRUList", "a");
    OpenDialog();
    EXPECT_EQ(Text(IDC_FIF_TYPES), "*.h");
}

TEST_F(DialogTest, FindClosesTheDialogAndFillsTheChosenPane) {
    m_files.Write("a.txt", "one hit\nno\nhit two\n");
    ::SendMessageA(m_panes[1]->m_hWnd, WM_FINDRESULTS_ADDTEXT, 0, reinterpret_cast<LPARAM>("old line"));
    OpenDialog();
    EXPECT_EQ(m_searchHost.buttons, std::vector<bool>{false}) << "disabled while the dialog is open";
    ::SetDlgItemTextA(m_dialog, IDC_SEARCH_FIND_TEXT, "hit");
    ::SetDlgItemTextA(m_dialog, IDC_FIF_FOLDER, m_files.Path().c_str());
    ::SetDlgItemTextA(m_dialog, IDC_FIF_TYPES, "*.txt");
    ::CheckRadioButton(m_dialog, IDC_FIF_PANE1, IDC_FIF_PANE2, IDC_FIF_PANE2);
    ::SendMessageA(m_dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(::IsWindow(m_dialog));
    EXPECT_EQ(m_searchHost.buttons, (std::vector<bool>{false, true}));
    EXPECT_EQ(m_shown, std::vector<int>{2});
    WaitForSearches();

    const std::vector<std::string> lines = Lines(2);
    ASSERT_EQ(lines.size(), 3u) << "the old line is gone";
    EXPECT_EQ(lines[0], m_files.File("a.txt") + "(1): one hit");
    EXPECT_EQ(lines[1], m_files.File("a.txt") + "(3): hit two");
    // 查找完成，共找到'hit' 2 次，在1个文件中。 in code page 936
    EXPECT_EQ(lines[2].rfind("\xB2\xE9\xD5\xD2\xCD\xEA\xB3\xC9\xA3\xAC\xB9\xB2\xD5\xD2\xB5\xBD'hit' 2 \xB4\xCE\xA3\xAC\xD4\xDA"
                             "1\xB8\xF6\xCE\xC4\xBC\xFE\xD6\xD0\xA1\xA3", 0), 0u) << lines[2];
    EXPECT_TRUE(Lines(1).empty());
    EXPECT_EQ(m_options.matchCount, 2);
    EXPECT_EQ(m_options.fileCount, 1);
    EXPECT_EQ(m_options.SearchMask & kSearchSecondPane, kSearchSecondPane);
    EXPECT_EQ(m_registry.Read("Software\\Tarnwick\\Find", "a"), "hit");
    EXPECT_EQ(m_registry.Read("Software\\Tarnwick\\FindWhere", "a"), m_files.Path());
    EXPECT_EQ(m_registry.Read("Software\\Tarnwick\\FindType", "a"), "*.txt");
}

TEST_F(DialogTest, ANewSearchIntoAPaneReplacesTheOneRunningThere) {
    WriteManyHits(m_files, 100);
    m_files.Write("unique.txt", "the needle\n");
    for (const char* text : {"hit", "needle"}) {
        OpenDialog();
        ::SetDlgItemTextA(m_dialog, IDC_SEARCH_FIND_TEXT, text);
        ::SetDlgItemTextA(m_dialog, IDC_FIF_FOLDER, m_files.Path().c_str());
        ::SendMessageA(m_dialog, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 500 && Lines(1).empty(); ++i) ::Sleep(5), Pump();
    }
    WaitForSearches();
    const std::vector<std::string> lines = Lines(1);
    ASSERT_EQ(lines.size(), 2u) << "only the second search's line and summary";
    EXPECT_EQ(lines[0], m_files.File("unique.txt") + "(1): the needle");
    EXPECT_EQ(m_options.matchCount, 1);
    EXPECT_EQ(m_options.fileCount, 1);
}

TEST_F(DialogTest, AnEmptyFindTextSearchesNothingAndSaysSo) {
    OpenDialog();
    ::SetDlgItemTextA(m_dialog, IDC_SEARCH_FIND_TEXT, "");
    ::SetDlgItemTextA(m_dialog, IDC_FIF_FOLDER, m_files.Path().c_str());
    ::SendMessageA(m_dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(m_dialog));
    ASSERT_EQ(g_boxes.Texts().size(), 1u);
    EXPECT_NE(g_boxes.Texts()[0].find("(empty)"), std::string::npos);
    EXPECT_TRUE(m_shown.empty());
    EXPECT_EQ(m_runner.RunningCount(), 0u);
}

TEST_F(DialogTest, ClosingKeepsTheOptionsAndEnablesTheButtons) {
    OpenDialog();
    ::SetDlgItemTextA(m_dialog, IDC_SEARCH_FIND_TEXT, "kept");
    ::CheckDlgButton(m_dialog, IDC_SEARCH_MATCH_CASE, BST_CHECKED);
    ::SendMessageA(m_dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(m_dialog));
    EXPECT_STREQ(m_options.FindText, "kept");
    EXPECT_EQ(m_options.SearchMask & kSearchMatchCase, kSearchMatchCase);
    EXPECT_EQ(m_searchHost.buttons, (std::vector<bool>{false, true}));
    EXPECT_EQ(m_gate.OpenCount(), 0);
}

}  // namespace
