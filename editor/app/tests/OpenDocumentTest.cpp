// Opening documents through a real main frame: an open file is activated
// instead of opened again, the open-failure message, the recent-file list in
// a scratch registry key, and dropped files.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "EncodingCodes.h"
#include "FrameTestEnvironment.h"
#include "DocumentFrame.h"
#include "EncodingFileDialog.h"
#include "Globals.h"
#include "IniKeys.h"
#include "MainFrame.h"
#include "MessageLoop.h"
#include "ResourceText.h"
#include "TempFolder.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

void Pump() { PumpFrameMessages(); }

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

constexpr char kScratchKey[] = "Software\\TarnwickTest\\OpenDocument";

class OpenDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_root, nullptr);
        g_appSettings->EditorMask = 0;
    }
    void TearDown() override {
        CloseFrame();
        ::RegCloseKey(m_root);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TarnwickTest");
    }

    CMainFrame& StartFrame(bool pump = true) {
        m_frame = std::make_unique<CMainFrame>();
        m_frame->SetRecentFilesRoot(m_root);
        EXPECT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        if (pump) Pump();
        return *m_frame;
    }
    void CloseFrame() {
        if (!m_frame) return;
        m_frame->CloseAllDocuments(true);
        m_frame->DestroyWindow();
        Pump();
        g_mainFrame = nullptr;
        m_frame.reset();
    }
    std::string Text(UINT id, const std::string& first, const std::string& second) {
        const std::string format = LoadText(id);
        char text[1024];
        snprintf(text, sizeof(text), format.c_str(), first.c_str(), second.c_str());
        return text;
    }

    RecordedMessageBoxes m_boxes;
    TempFolder m_files;
    HKEY m_root = nullptr;
    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(OpenDocumentTest, AnOpenFileIsActivatedUnderAnyFormOfItsPath) {
    CMainFrame& frame = StartFrame();
    m_files.Write("Long Name File.txt", "text");
    const std::string path = m_files.File("Long Name File.txt");
    CDocumentFrame* first = frame.OpenDocument(path.c_str(), kEncodingDefault, true);
    ASSERT_TRUE(first);
    char shortPath[MAX_PATH] = {};
    ::GetShortPathNameA(path.c_str(), shortPath, sizeof(shortPath));
    std::string upper = path;
    CharUpperA(upper.data());
    for (const std::string& form : {path, std::string(shortPath), upper})
        EXPECT_EQ(frame.OpenDocument(form.c_str(), kEncodingDefault, true), first) << form;
    EXPECT_EQ(frame.DocumentWindows().size(), 1u);
}

TEST_F(OpenDocumentTest, AMissingFileIsReportedOnlyAfterStartUp) {
    CMainFrame& frame = StartFrame(false);
    const std::string missing = m_files.File("missing.txt");
    EXPECT_EQ(frame.OpenDocument(missing.c_str(), kEncodingDefault, true), nullptr);
    EXPECT_TRUE(m_boxes.Texts().empty()) << "silent while starting";
    Pump();
    EXPECT_EQ(frame.OpenDocument(missing.c_str(), kEncodingDefault, true), nullptr);
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_EQ(m_boxes.Texts()[0].rfind(Text(IDS_OPEN_FILE_FAILED, missing, "").substr(0, 10), 0), 0u);
    EXPECT_NE(m_boxes.Texts()[0].find(missing), std::string::npos);
    EXPECT_TRUE(frame.DocumentWindows().empty());
    EXPECT_EQ(frame.RecentFiles().Count(), 0);
}

TEST_F(OpenDocumentTest, BinaryContentOpensInTheHexView) {
    CMainFrame& frame = StartFrame();
    m_files.Write("a.bin", std::string(64, '\0'));
    m_files.Write("b.txt", "plain");
    CDocumentFrame* binary = frame.OpenDocument(m_files.File("a.bin").c_str(), kEncodingDefault, false);
    CDocumentFrame* text = frame.OpenDocument(m_files.File("b.txt").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(binary && text);
    EXPECT_EQ(binary->Describe().kind, DocumentKind::Hex);
    EXPECT_EQ(text->Describe().kind, DocumentKind::Editor);
}

TEST_F(OpenDocumentTest, TheDocumentButtonsAreDisabledWhenTheLastDocumentCloses) {
    CMainFrame& frame = StartFrame();
    m_files.Write("a.txt", "a");
    m_files.Write("b.txt", "b");
    const HWND toolbar = frame.Toolbar();
    const UINT buttons[] = {ID_FILE_SAVE_ALL, ID_VIEW_WRAP,    ID_VIEW_LINE_ENDS, ID_VIEW_ZOOM_IN,
                            ID_VIEW_ZOOM_OUT, ID_SEARCH_FIND, ID_SEARCH_REPLACE};
    const auto enabled = [&](UINT id) { return ::SendMessageA(toolbar, TB_ISBUTTONENABLED, id, 0) != 0; };
    CDocumentFrame* a = frame.OpenDocument(m_files.File("a.txt").c_str(), kEncodingDefault, false);
    CDocumentFrame* b = frame.OpenDocument(m_files.File("b.txt").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(a && b);
    Pump();
    for (UINT id : buttons) EXPECT_TRUE(enabled(id)) << id;

    ::SendMessageA(*b, WM_DOC_CLOSE, 0, 0);
    ::SendMessageA(*b, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    for (UINT id : buttons) EXPECT_TRUE(enabled(id)) << "one document is left: " << id;

    ::SendMessageA(*a, WM_DOC_CLOSE, 0, 0);
    ::SendMessageA(*a, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    ASSERT_TRUE(frame.DocumentWindows().empty());
    for (UINT id : buttons) EXPECT_FALSE(enabled(id)) << id;
}

TEST_F(OpenDocumentTest, TheRecentListFillsPersistsAndKeepsItsMaximum) {
    g_appSettings->WriteInt(ini::kEditor, ini::kMruSize, 2);
    CMainFrame& frame = StartFrame();
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        m_files.Write(name, name);
        frame.OpenDocument(m_files.File(name).c_str(), kEncodingDefault, true);
    }
    ASSERT_EQ(frame.RecentFiles().Count(), 2);
    EXPECT_EQ(frame.RecentFiles().Newest(0), m_files.File("c.txt"));
    HMENU file = ::GetSubMenu(frame.Menu(), 0);
    char text[512] = {};
    ::GetMenuStringA(file, ID_FILE_MRU_FIRST, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_EQ(std::string(text), "&1 " + m_files.File("c.txt"));
    CloseFrame();

    g_appSettings->WriteInt(ini::kEditor, ini::kMruSize, 12);  // the registry's count holds at start
    CMainFrame& again = StartFrame();
    ASSERT_EQ(again.RecentFiles().Count(), 2);
    EXPECT_EQ(again.RecentFiles().Newest(0), m_files.File("c.txt"));
    EXPECT_EQ(again.RecentFiles().Newest(1), m_files.File("b.txt"));
}

TEST_F(OpenDocumentTest, ARecentFileThatIsGoneIsReportedAndRemoved) {
    CMainFrame& frame = StartFrame();
    m_files.Write("a.txt", "a");
    m_files.Write("b.txt", "b");
    frame.OpenDocument(m_files.File("a.txt").c_str(), kEncodingDefault, true);
    frame.OpenDocument(m_files.File("b.txt").c_str(), kEncodingDefault, true);
    frame.CloseAllDocuments(true);
    Pump();
    ::DeleteFileA(m_files.File("b.txt").c_str());
    frame.SendMessage(WM_COMMAND, ID_FILE_MRU_FIRST);
    EXPECT_EQ(m_boxes.Texts().size(), 1u);
    ASSERT_EQ(frame.RecentFiles().Count(), 1);
    EXPECT_EQ(frame.RecentFiles().Newest(0), m_files.File("a.txt"));
    frame.SendMessage(WM_COMMAND, ID_FILE_MRU_FIRST + 5);  // beyond the list: a beep only
    EXPECT_EQ(m_boxes.Texts().size(), 1u);
    frame.SendMessage(WM_COMMAND, ID_FILE_MRU_FIRST);
    EXPECT_EQ(frame.DocumentWindows().size(), 1u);
}

HGLOBAL MakeDrop(const std::vector<std::string>& paths, POINT point) {
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) size += path.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = (DROPFILES*)::GlobalLock(block);
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    char* names = (char*)(drop + 1);
    for (const std::string& path : paths) {
        std::memcpy(names, path.c_str(), path.size() + 1);
        names += path.size() + 1;
    }
    ::GlobalUnlock(block);
    return block;
}

TEST_F(OpenDocumentTest, ADropOpensTheFilesBeforeTheFirstFolder) {
    CMainFrame& frame = StartFrame();
    m_files.Write("a.txt", "a");
    m_files.Write("b.txt", "b");
    ::CreateDirectoryA(m_files.File("sub").c_str(), nullptr);
    RECT client{};
    ::GetClientRect(frame, &client);
    POINT inside{client.right / 2, client.bottom / 2};
    frame.SendMessage(WM_DROPFILES, (WPARAM)MakeDrop({m_files.File("a.txt"), m_files.File("sub"), m_files.File("b.txt")}, inside));
    ASSERT_EQ(frame.DocumentWindows().size(), 1u);
    EXPECT_EQ(FrameDocumentOf(frame.DocumentWindows()[0])->Describe().path, m_files.File("a.txt"));
    frame.SendMessage(WM_DROPFILES, (WPARAM)MakeDrop({m_files.File("b.txt")}, POINT{-50, -50}));
    EXPECT_EQ(frame.DocumentWindows().size(), 1u) << "a drop outside the client opens nothing";
}

TEST_F(OpenDocumentTest, NewMakesAnUntitledDocument) {
    CMainFrame& frame = StartFrame();
    frame.SendMessage(WM_COMMAND, ID_FILE_NEW);
    ASSERT_EQ(frame.DocumentWindows().size(), 1u);
    EXPECT_EQ(FrameDocumentOf(frame.DocumentWindows()[0])->Describe().path, "<new>");
}

TEST_F(OpenDocumentTest, ASessionBringsBackDocumentsViewStateAndBookmarks) {
    CMainFrame& frame = StartFrame();
    std::string text;
    for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\r\n";
    m_files.Write("a.txt", text);
    m_files.Write("b.bin", std::string(64, '\0'));
    CDocumentFrame* editor = frame.OpenDocument(m_files.File("a.txt").c_str(), kEncodingDefault, false);
    CDocumentFrame* hex = frame.OpenDocument(m_files.File("b.bin").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(editor && hex && editor->GetEditor());
    CEditorView& view = *editor->GetEditor();
    view.Send(SCI_MARKERADD, 0, 1);
    view.Send(SCI_MARKERADD, 5, 1);
    view.Send(SCI_SETSEL, 30, 12);  // made backwards: the caret before the anchor
    ::SendMessageA(frame.MdiClientWindow(), WM_MDIACTIVATE, (WPARAM)editor->m_hWnd, 0);
    std::string session = m_files.File("work.tws");
    ASSERT_TRUE(frame.SaveSession(session));

    CloseFrame();
    CMainFrame& again = StartFrame();
    again.LoadSession(session);
    Pump();
    ASSERT_EQ(2u, again.DocumentWindows().size());
    HWND active = again.GetActiveMdiChild();
    auto* restored = reinterpret_cast<CDocumentFrame*>(FrameDocumentOf(active));
    ASSERT_TRUE(restored && restored->GetEditor()) << "the active document comes back on top";
    CEditorView& back = *restored->GetEditor();
    EXPECT_EQ(12, back.Send(SCI_GETANCHOR, 0, 0));
    EXPECT_EQ(30, back.Send(SCI_GETCURRENTPOS, 0, 0));
    EXPECT_EQ(0, back.Send(SCI_MARKERNEXT, 0, 2));
    EXPECT_EQ(5, back.Send(SCI_MARKERNEXT, 1, 2));
    EXPECT_EQ(-1, back.Send(SCI_MARKERNEXT, 6, 2));
}

}  // namespace
