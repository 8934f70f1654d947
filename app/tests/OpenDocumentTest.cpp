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
#include "SaveFlushMessage.h"
#include "StartFiles.h"
#include "UniqueHandle.h"
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
    ASSERT_TRUE(WaitForCtags(frame));
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

TEST_F(OpenDocumentTest, TheMainWindowAnswersWithTheLastSavesFlushTime) {
    CMainFrame& frame = StartFrame();
    const UINT ask = ::RegisterWindowMessageA(kLastSaveFlushMessageName);
    EXPECT_EQ(0, ::SendMessageA(frame.m_hWnd, ask, 0, 0)) << "before any save";
    m_files.Write("a.txt", "a");
    CDocumentFrame* document = frame.OpenDocument(m_files.File("a.txt").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(document && document->GetEditor());
    document->GetEditor()->Send(SCI_APPENDTEXT, 1, (LPARAM)"b");
    ASSERT_TRUE(document->Save());
    // The document's own figure reaches the window; a save that flushed
    // waited for it at least a microsecond.
    const LRESULT answer = ::SendMessageA(frame.m_hWnd, ask, 0, 0);
    EXPECT_GT(answer, 0);
    EXPECT_EQ(answer, document->LastSaveFlushMicroseconds());
}

// Names as a start gets them: relative to the folder the editor was started
// in, and the ones it cannot open.
class StartNamesTest : public OpenDocumentTest {
protected:
    void TearDown() override {
        SetStartFiles({});
        OpenDocumentTest::TearDown();
    }
};

TEST_F(StartNamesTest, ARelativeNameIsOpenedSavedAndStoredByItsFullPath) {
    TempFolder project;
    project.Write("main.c", "int x;\r\n");
    char before[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof(before), before);
    ::SetCurrentDirectoryA(project.Path().c_str());
    SetStartFiles({FullStartPath("main.c")});
    ::SetCurrentDirectoryA(before);  // the start moves on from another folder

    CMainFrame& frame = StartFrame();
    ASSERT_EQ(frame.DocumentWindows().size(), 1u) << (m_boxes.Texts().empty() ? "" : m_boxes.Texts()[0]);
    auto* document = reinterpret_cast<CDocumentFrame*>(FrameDocumentOf(frame.DocumentWindows()[0]));
    EXPECT_EQ(std::string(document->Path()), project.File("main.c"));
    EXPECT_EQ(frame.RecentFiles().Newest(0), project.File("main.c"));
    ASSERT_TRUE(document->GetEditor());
    document->GetEditor()->Send(SCI_APPENDTEXT, 3, (LPARAM)"y;\n");
    EXPECT_TRUE(document->Save());
    EXPECT_EQ(project.Read("main.c"), "int x;\r\ny;\n");
    EXPECT_TRUE(m_boxes.Texts().empty());
}

TEST_F(StartNamesTest, NamesThatCannotBeOpenedAreToldInOneMessageAndTheEditorAnswers) {
    ::CreateDirectoryA(m_files.File("folder").c_str(), nullptr);
    m_files.Write("ok.txt", "fine");
    const std::vector<std::string> bad = {m_files.File("folder"), m_files.File("missing.txt"), "CON",
                                          m_files.File("AUX.txt"), "COM1", "C:\\" + std::string(300, 'l')};
    std::vector<std::string> names = bad;
    names.push_back(m_files.File("ok.txt"));
    std::vector<std::string> full;
    for (const std::string& name : names) full.push_back(FullStartPath(name));
    SetStartFiles(full);
    const DWORD start = ::GetTickCount();
    CMainFrame& frame = StartFrame();
    EXPECT_LT(::GetTickCount() - start, 20000u) << "no name may block the start";
    EXPECT_EQ(frame.DocumentWindows().size(), 1u) << "the good name still opens";
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    for (const std::string& name : bad) EXPECT_NE(m_boxes.Texts()[0].find(name), std::string::npos) << name;
    EXPECT_EQ(m_boxes.Texts()[0].find(m_files.File("ok.txt")), std::string::npos);
    DWORD_PTR answer = 0;
    EXPECT_TRUE(::SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
}

TEST_F(StartNamesTest, TheNewDocumentOptionOpensOneWhenNothingIsRestored) {
    for (const bool set : {false, true}) {
        g_appSettings->EditorMask = set ? kMaskNewDocumentAtStart : 0;
        CMainFrame& frame = StartFrame();
        ASSERT_EQ(frame.DocumentWindows().size(), set ? 1u : 0u) << set;
        if (set) EXPECT_EQ(FrameDocumentOf(frame.DocumentWindows()[0])->Describe().path, "<new>");
        CloseFrame();
    }
}

TEST_F(OpenDocumentTest, ABinaryFileHeldOpenForWritingOpensInTheHexView) {
    CMainFrame& frame = StartFrame();
    m_files.Write("held.bin", std::string(64, '\0'));
    UniqueHandle writer(::CreateFileA(m_files.File("held.bin").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    CDocumentFrame* document = frame.OpenDocument(m_files.File("held.bin").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(document) << (m_boxes.Texts().empty() ? "" : m_boxes.Texts()[0]);
    EXPECT_EQ(document->Describe().kind, DocumentKind::Hex);
    EXPECT_TRUE(m_boxes.Texts().empty());
}

TEST_F(OpenDocumentTest, ReloadingAFileThatIsGoneOrLockedSaysWhyAndKeepsTheText) {
    CMainFrame& frame = StartFrame();
    const struct {
        const char* name;
        bool deleted;  // else held open by another program without sharing
    } rows[] = {{"gone.txt", true}, {"locked.txt", false}};
    for (const auto& row : rows) {
        m_files.Write(row.name, "kept");
        CDocumentFrame* document = frame.OpenDocument(m_files.File(row.name).c_str(), kEncodingDefault, false);
        ASSERT_TRUE(document && document->GetEditor()) << row.name;
        ASSERT_TRUE(WaitForCtags(frame)) << row.name;
        UniqueHandle holder;
        if (row.deleted) ::DeleteFileA(m_files.File(row.name).c_str());
        else holder.reset(::CreateFileA(m_files.File(row.name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        m_boxes.Clear();
        ::SendMessageA(*document, WM_COMMAND, ID_FILE_RELOAD, 0);
        ASSERT_EQ(m_boxes.Texts().size(), 1u) << row.name;
        EXPECT_NE(m_boxes.Texts()[0].find(m_files.File(row.name)), std::string::npos);
        EXPECT_EQ(document->GetEditor()->Component().GetText(), "kept") << row.name;
    }
}

TEST_F(OpenDocumentTest, APathLongerThanItsBuffersIsRefusedWholeAndNothingIsWrittenElsewhere) {
    ASSERT_EQ(936u, ::GetACP()) << "the lengths are counted in code page 936";
    CMainFrame& frame = StartFrame();
    // Two files whose names differ only past byte 259: a cut would make them one.
    std::wstring zhong(70, L'\u4E2D');
    std::wstring folder = ToWide(m_files.Path()) + L"\\" + zhong;
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    std::vector<std::string> paths;
    for (const wchar_t* tail : {L"\u6587a.txt", L"\u6587b.txt"}) {
        std::wstring path = folder + L"\\" + zhong + tail;
        UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(file);
        paths.push_back(ToAnsi(path));
        ASSERT_GT(paths.back().size(), 275u);
    }
    for (const std::string& path : paths) {
        m_boxes.Clear();
        EXPECT_EQ(frame.OpenDocument(path.c_str(), kEncodingDefault, true), nullptr);
        ASSERT_EQ(m_boxes.Texts().size(), 1u);
        EXPECT_NE(m_boxes.Texts()[0].find(path), std::string::npos) << "the message names the whole path";
    }
    EXPECT_TRUE(frame.DocumentWindows().empty());
    EXPECT_EQ(frame.RecentFiles().Count(), 0);
    WIN32_FIND_DATAW found{};
    int files = 0;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(search, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
    EXPECT_EQ(files, 2);
    for (const std::string& path : paths) ::DeleteFileW(ToWide(path).c_str());
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
