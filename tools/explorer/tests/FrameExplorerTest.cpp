// The explorer pane in a real main frame: it shares the symbol pane's tab
// docking box and makes its content only when brought forward, locating a document shows its folder with the file selected, a double
// click opens a file as a document, and closing the frame stores the folder
// (and leaves it alone when the pane was never seen).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "EditorView.h"
#include <scintilla/Scintilla.h>
#include "ExplorerPane.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "EncodingCodes.h"
#include "MainFrame.h"
#include "SymbolPane.h"
#include "TemplatePane.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

std::string LongPath(const std::string& path) {
    char full[MAX_PATH] = {};
    return ::GetLongPathNameA(path.c_str(), full, sizeof(full)) ? full : path;
}

class FrameExplorerTest : public RealFrameTest {
protected:
    void SetUp() override {
        g_appSettings->EditorMask = 0;
        m_files.Write("a.txt", "a\n");
        m_files.Write("b.txt", "b\n");
        RealFrameTest::SetUp();
        ASSERT_TRUE(Pane());
    }
    CExplorerPane* Pane() const { return m_frame->GetExplorerPane(); }
    HWND List() const { return ::FindWindowExA(Pane()->ViewWindow(), nullptr, "SysListView32", nullptr); }
    std::string SelectedName() const {
        const int index = (int)::SendMessageA(List(), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
        char text[MAX_PATH] = {};
        LVITEMA item{};
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        if (index >= 0) ::SendMessageA(List(), LVM_GETITEMTEXTA, index, (LPARAM)&item);
        return text;
    }

    TempFolder m_files;
};

}  // namespace

TEST_F(FrameExplorerTest, LocatingADocumentShowsItsFileAndPane) {
    CDocumentFrame* document = m_frame->OpenDocument(m_files.File("b.txt").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(document);
    // Behind the symbol pane's tab at first, and never built.
    EXPECT_FALSE(Pane()->IsPaneVisible());
    EXPECT_FALSE(Pane()->View());
    ::SendMessageA(document->m_hWnd, WM_COMMAND, ID_TOOLS_LOCATE_FILE, 0);
    PumpFrameMessages();
    EXPECT_TRUE(Pane()->IsPaneVisible());
    EXPECT_EQ(LongPath(m_files.Path()), LongPath(Pane()->CurrentPath()));
    EXPECT_EQ("b.txt", SelectedName());
}

TEST_F(FrameExplorerTest, KeysInTheFolderViewGoToItBeforeTheFramesShortcuts) {
    std::string text;
    for (int i = 0; i < 20; ++i) text += "line\r\n";
    m_files.Write("c.txt", text);
    CDocumentFrame* document = m_frame->OpenDocument(m_files.File("c.txt").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(document && document->GetEditor());
    CEditorView& editor = *document->GetEditor();
    editor.Send(SCI_MARKERADD, 10, 1);  // F2 would go to this bookmark
    ASSERT_TRUE(Pane()->BrowseToPath(m_files.Path()));
    PumpFrameMessages();
    ASSERT_TRUE(List());
    MSG key{List(), WM_KEYDOWN, VK_F2, 0x003C0001, 0, {0, 0}};
    const BOOL taken = m_frame->PreTranslateMessage(&key);
    if (!taken) {
        ::TranslateMessage(&key);
        ::DispatchMessageA(&key);
    }
    PumpFrameMessages();
    EXPECT_EQ(0, editor.Send(SCI_LINEFROMPOSITION, editor.Send(SCI_GETCURRENTPOS)))
        << "the document's shortcut ran for a key of the folder view";
}

TEST_F(FrameExplorerTest, TheDefaultCommandOpensTheSelectedFileAsADocument) {
    ASSERT_TRUE(Pane()->BrowseToPath(m_files.Path()));
    Pane()->SelectFile(m_files.File("a.txt"));
    ASSERT_EQ(S_OK, Pane()->DefaultCommand(Pane()->View()));
    PumpFrameMessages();
    EXPECT_TRUE(m_frame->FindDocumentFrame(m_files.File("a.txt").c_str()));
}

TEST_F(FrameExplorerTest, ClosingTheFrameStoresTheFolder) {
    ASSERT_TRUE(Pane()->BrowseToPath(m_files.Path()));
    m_frame->SendMessage(WM_CLOSE);
    PumpFrameMessages();
    EXPECT_EQ(LongPath(m_files.Path()), LongPath(g_appSettings->ReadString("USER", "path", "")));
}

TEST_F(FrameExplorerTest, ClosingWithTheExplorerNeverSeenKeepsItsStoredFolderAndFilter) {
    g_appSettings->WriteString("USER", "path", m_files.Path().c_str());
    g_appSettings->WriteString("USER", "filter", "Text (*.txt)");
    ASSERT_FALSE(Pane()->View());
    m_frame->SendMessage(WM_CLOSE);
    PumpFrameMessages();
    EXPECT_EQ(m_files.Path(), g_appSettings->ReadString("USER", "path", ""));
    EXPECT_EQ("Text (*.txt)", g_appSettings->ReadString("USER", "filter", ""));
}

TEST_F(FrameExplorerTest, TheExplorerIsBuiltWhenFirstBroughtForwardAndOnlyThen) {
    g_appSettings->WriteString("USER", "path", m_files.Path().c_str());
    EXPECT_FALSE(Pane()->View());
    EXPECT_FALSE(Pane()->PathCombo());
    EXPECT_FALSE(::FindWindowExA(Pane()->m_hWnd, nullptr, nullptr, nullptr));

    m_frame->SendMessage(WM_COMMAND, ID_PANE_EXPLORER);
    PumpFrameMessages();
    ASSERT_TRUE(Pane()->View());
    EXPECT_EQ(LongPath(m_files.Path()), LongPath(Pane()->CurrentPath()));
    // Laid out in the box's size: the view between the toolbar and the filter along the bottom.
    RECT client{}, view{}, filter{}, bar{};
    Pane()->GetClientRect(&client);
    ::GetWindowRect(Pane()->ViewWindow(), &view);
    ::GetWindowRect(Pane()->FilterCombo(), &filter);
    ::GetWindowRect(Pane()->Toolbar(), &bar);
    for (RECT* r : {&view, &filter, &bar}) ::MapWindowPoints(nullptr, Pane()->m_hWnd, (POINT*)r, 2);
    EXPECT_EQ(client.bottom, filter.bottom);
    EXPECT_EQ(bar.bottom, view.top);
    EXPECT_EQ(filter.top, view.bottom);
    EXPECT_EQ(client.right, view.right);
    const HWND path = Pane()->PathCombo();
    // Behind another tab and forward again: the same content.
    m_frame->SendMessage(WM_COMMAND, ID_PANE_SYMBOLS);
    PumpFrameMessages();
    EXPECT_FALSE(Pane()->IsPaneVisible());
    m_frame->SendMessage(WM_COMMAND, ID_PANE_EXPLORER);
    PumpFrameMessages();
    EXPECT_EQ(path, Pane()->PathCombo());
    int combos = 0;
    for (HWND child = ::FindWindowExA(Pane()->m_hWnd, nullptr, WC_COMBOBOXEXA, nullptr); child;
         child = ::FindWindowExA(Pane()->m_hWnd, child, WC_COMBOBOXEXA, nullptr))
        ++combos;
    EXPECT_EQ(2, combos);
}

TEST_F(FrameExplorerTest, TheLeftPanesShareOneTabBoxAndCommand802BringsTheExplorerForward) {
    CDockPaneBase* symbols = m_frame->GetSymbolPane();
    ASSERT_TRUE(symbols);
    const HWND box = symbols->Container();
    ASSERT_TRUE(box);
    EXPECT_EQ(box, Pane()->Container());
    EXPECT_TRUE(symbols->IsPaneVisible());  // in front at first
    EXPECT_EQ(box, m_frame->GetTemplatePane()->Container());
    EXPECT_FALSE(m_frame->GetTemplatePane()->IsPaneVisible());
    m_frame->SendMessage(WM_COMMAND, ID_PANE_EXPLORER);
    PumpFrameMessages();
    EXPECT_TRUE(Pane()->IsPaneVisible());
    EXPECT_FALSE(symbols->IsPaneVisible());
}
