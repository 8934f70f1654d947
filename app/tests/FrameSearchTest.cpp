// Find and replace through a real main frame and its documents: the Search
// commands open the dialogs over the active document, Replace All reaches
// every open document, the toolbar's search buttons follow the open dialogs,
// and find next in a document reports what it cannot find.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "EncodingCodes.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "ResourceText.h"
#include "ScratchRegistry.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

void Pump() { PumpFrameMessages(); }

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

// The dialogs the frame owns.
std::vector<HWND> OwnedDialogs(HWND frame) {
    struct Search {
        HWND frame;
        std::vector<HWND> found;
    } search{frame, {}};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM argument) -> BOOL {
            auto* s = reinterpret_cast<Search*>(argument);
            char name[32] = {};
            ::GetClassNameA(window, name, sizeof(name));
            if (std::string(name) == "#32770" && ::GetWindow(window, GW_OWNER) == s->frame) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ViewText(CDocumentFrame* document) {
    CEditorView& view = *document->GetEditor();
    const auto length = static_cast<int>(view.Send(SCI_GETLENGTH));
    return view.GetTextRange(0, length);
}

class FrameSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_appSettings->EditorMask = 0;
        g_appSettings->search = SearchOptions{};
        g_appSettings->search.SearchMask = kSearchDown;
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        Pump();
    }
    void TearDown() override {
        m_frame->CloseAllDocuments(true);
        m_frame->DestroyWindow();
        Pump();
        g_mainFrame = nullptr;
        m_frame.reset();
    }

    CDocumentFrame* Open(const char* name, const std::string& text) {
        m_files.Write(name, text);
        CDocumentFrame* document = m_frame->OpenDocument(m_files.File(name).c_str(), kEncodingDefault, false);
        Pump();
        return document;
    }
    // The dialog the command opened: the one not there before (the z-order
    // says nothing when another program takes the activation).
    HWND Command(UINT id) {
        const std::vector<HWND> before = OwnedDialogs(*m_frame);
        ::SendMessageA(*m_frame, WM_COMMAND, id, 0);
        Pump();
        for (HWND dialog : OwnedDialogs(*m_frame))
            if (std::find(before.begin(), before.end(), dialog) == before.end()) return dialog;
        return nullptr;
    }
    static void Click(HWND dialog, int id) {
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, id));
        Pump();
    }
    bool ButtonEnabled(UINT id) const {
        return ::SendMessageA(m_frame->Toolbar(), TB_ISBUTTONENABLED, id, 0) != 0;
    }
    std::string NotFound(const char* text) const {
        const std::string format = LoadText(IDS_STRING_NOT_FOUND);
        char message[512];
        snprintf(message, sizeof(message), format.c_str(), text);
        return message;
    }

    ScratchRegistry m_registry;  // the search histories
    RecordedMessageBoxes m_boxes;
    TempFolder m_files;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace

TEST_F(FrameSearchTest, FindOpensOverTheActiveDocumentAndFindsInIt) {
    CDocumentFrame* document = Open("a.txt", "alpha beta gamma beta");
    ASSERT_TRUE(document && document->GetSearch());
    document->GetEditor()->Send(SCI_SETSEL, 6, 10);
    const HWND dialog = Command(ID_SEARCH_FIND);
    ASSERT_TRUE(dialog);
    char text[64] = {};
    ::GetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, text, sizeof(text));
    EXPECT_STREQ(text, "beta") << "the selection is what to find";
    for (UINT id : {ID_SEARCH_FIND, ID_SEARCH_REPLACE, ID_SEARCH_FIND_IN_FILES}) EXPECT_FALSE(ButtonEnabled(id)) << id;

    Click(dialog, IDOK);
    EXPECT_EQ(document->GetEditor()->GetSelection(), std::make_pair(17, 21));
    EXPECT_TRUE(m_boxes.Texts().empty());
    Click(dialog, IDCANCEL);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_TRUE(ButtonEnabled(ID_SEARCH_FIND));
}

TEST_F(FrameSearchTest, ReplaceAllReachesEveryOpenDocument) {
    CDocumentFrame* first = Open("a.txt", "one two one");
    CDocumentFrame* second = Open("b.txt", "one");
    ASSERT_TRUE(first && second);
    const HWND dialog = Command(ID_SEARCH_REPLACE);
    ASSERT_TRUE(dialog);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "one");
    ::SetDlgItemTextA(dialog, IDC_SEARCH_REPLACE_TEXT, "\xD2\xBB");  // 一
    ::CheckRadioButton(dialog, IDC_SEARCH_SCOPE_FILE, IDC_SEARCH_SCOPE_ALL, IDC_SEARCH_SCOPE_ALL);
    Click(dialog, IDC_SEARCH_REPLACE_ALL);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ(ViewText(first), "\xD2\xBB two \xD2\xBB");
    EXPECT_EQ(ViewText(second), "\xD2\xBB");
    EXPECT_TRUE(ButtonEnabled(ID_SEARCH_REPLACE));
}

TEST_F(FrameSearchTest, TheButtonsWaitForTheLastOfSeveralDialogs) {
    ASSERT_TRUE(Open("a.txt", "text"));
    const HWND find = Command(ID_SEARCH_FIND);
    const HWND replace = Command(ID_SEARCH_REPLACE);
    ASSERT_TRUE(find && replace);
    EXPECT_NE(find, replace);
    Click(find, IDCANCEL);
    EXPECT_FALSE(ButtonEnabled(ID_SEARCH_FIND));
    Click(replace, IDCANCEL);
    EXPECT_TRUE(ButtonEnabled(ID_SEARCH_FIND));
}

TEST_F(FrameSearchTest, FindNextInADocument) {
    CDocumentFrame* document = Open("a.txt", "red green red");
    ASSERT_TRUE(document);
    // Nothing to find yet: the find dialog opens instead.
    ::SendMessageA(*m_frame, WM_COMMAND, ID_SEARCH_FIND_NEXT, 0);
    Pump();
    ASSERT_EQ(OwnedDialogs(*m_frame).size(), 1u);
    Click(OwnedDialogs(*m_frame).front(), IDCANCEL);

    lstrcpyA(g_appSettings->search.FindText, "red");
    ::SendMessageA(*m_frame, WM_COMMAND, ID_SEARCH_FIND_NEXT, 0);
    ::SendMessageA(*m_frame, WM_COMMAND, ID_SEARCH_FIND_NEXT, 0);
    EXPECT_EQ(document->GetEditor()->GetSelection(), std::make_pair(10, 13));
    lstrcpyA(g_appSettings->search.FindText, "blue");
    ::SendMessageA(*m_frame, WM_COMMAND, ID_SEARCH_FIND_NEXT, 0);
    EXPECT_EQ(m_boxes.Texts(), std::vector<std::string>{NotFound("blue")});
}
