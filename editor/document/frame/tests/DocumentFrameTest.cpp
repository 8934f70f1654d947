// The document frame in a real MDI client under Wine: loading, saving,
// checking the file on disk, closing, the read-only switches and the path
// commands. Prompts, the save dialog and the shell go through seams.
#include <gtest/gtest.h>
#include <windows.h>

#include <scintilla/Scintilla.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "EncodingCodes.h"
#include "FindReplace.h"
#include "Globals.h"
#include "MessageBoxRecorder.h"
#include "MessagePump.h"
#include "ModifiedDocument.h"
#include "ReplaceAllUndo.h"
#include "ReplacingFile.h"
#include "ResourceText.h"
#include "TempFolder.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

HWND g_checkDuringPrompt = nullptr;  // gets WM_DOC_CHECKFILE while a prompt is open

std::vector<std::string> g_shellOpens;
void RecordShellOpen(HWND, const char* target, int) { g_shellOpens.push_back(target); }

int g_saveAsCalls = 0;
SaveAsChoice g_saveAsAnswer;
bool g_saveAsChosen = false;
bool AnswerSaveAs(HWND, const char*, SaveAsChoice& choice) {
    ++g_saveAsCalls;
    choice = g_saveAsAnswer;
    return g_saveAsChosen;
}

class FakeOwner : public IDocumentFrameOwner {
public:
    HWND MainWindow() const override { return nullptr; }
    HWND Toolbar() const override { return nullptr; }
    HWND StatusBar() const override { return nullptr; }
    bool IsMenuBarVisible() const override { return true; }
    void UpdateStatusBar() override {}
    void SetStatusMessage(const char* text) override { messages.push_back(text ? text : ""); }
    void ShowPane(UINT id) override { panes.push_back(id); }
    void AddToRecent(const char* path) override { recent.push_back(path); }
    bool HandleEscape() override { return false; }
    void DocumentClosed() override { ++closed; }

    std::vector<std::string> messages, recent;
    std::vector<UINT> panes;
    int closed = 0;
};

// The MDI client records what the document windows tell it.
class RecordingClient : public CMsgWindow {
public:
    std::vector<std::pair<UINT, LPARAM>> messages;
    std::vector<std::string> texts;  // the text of 2033 and 2034

    TW_BEGIN_MSG_MAP(RecordingClient)
        TW_MESSAGE_RANGE_HANDLER(WM_MDI_TABTEXT, WM_MDI_TABSTATE, OnClientMessage)
    TW_END_MSG_MAP()

    std::vector<LPARAM> TabStates() const {
        std::vector<LPARAM> states;
        for (auto& [message, value] : messages)
            if (message == WM_MDI_TABSTATE) states.push_back(value);
        return states;
    }

private:
    LRESULT OnClientMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
        if (message != WM_MDI_TABTEXT && message != WM_MDI_TABTOOLTIP && message != WM_MDI_DOCFRAME &&
            message != WM_MDI_TABSTATE) {
            handled = false;
            return 0;
        }
        messages.push_back({message, lParam});
        if (message == WM_MDI_TABTEXT || message == WM_MDI_TABTOOLTIP) texts.push_back((const char*)lParam);
        return 0;
    }
};

std::string TextOf(CDocumentFrame& frame) { return frame.GetEditor()->Component().GetText(); }

void Type(CDocumentFrame& frame, const char* text) { frame.GetEditor()->Send(SCI_ADDTEXT, strlen(text), (sptr_t)text); }

// Moves the file's last-write time, as an edit by another program would.
void Touch(const std::string& path, int minutes) {
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    FILETIME time{};
    ::GetFileTime(file, nullptr, nullptr, &time);
    ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
    value.QuadPart += (ULONGLONG)minutes * 60 * 10000000ULL;
    time = {value.LowPart, value.HighPart};
    ::SetFileTime(file, nullptr, nullptr, &time);
    ::CloseHandle(file);
}

std::string Format(UINT id, const std::string& argument) {
    const std::string format = LoadText(id);
    char text[1024];
    snprintf(text, sizeof(text), format.c_str(), argument.c_str());
    return text;
}

class DocumentFrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Scintilla_RegisterClasses(::GetModuleHandleA(nullptr)); }

    void SetUp() override {
        g_shellOpens.clear();
        g_saveAsCalls = 0;
        g_saveAsChosen = false;
        m_prompts.whileShown = [](const RecordedMessageBox&) {
            if (HWND window = std::exchange(g_checkDuringPrompt, nullptr))
                ::SendMessageA(window, WM_DOC_CHECKFILE, 0, 0);
        };
        SetShellOpenHook(RecordShellOpen);
        SetSaveAsPrompt(AnswerSaveAs);
        m_top = ::CreateWindowExA(0, "STATIC", "frame test", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                                  nullptr, nullptr);
        CLIENTCREATESTRUCT ccs{nullptr, 1000};
        HWND client = ::CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800,
                                        600, m_top, nullptr, nullptr, &ccs);
        m_client.SubclassWindow(client);
    }

    void TearDown() override {
        for (HWND child = ::GetWindow(m_client, GW_CHILD); child; child = ::GetWindow(m_client, GW_CHILD))
            ::SendMessageA(child, WM_DOC_CLOSE, 0, 0);
        m_client.UnsubclassWindow();
        ::DestroyWindow(m_top);
        SetShellOpenHook(nullptr);
        SetSaveAsPrompt(nullptr);
        g_appSettings = nullptr;
    }

    CDocumentFrame* Open(const char* path, bool binary = false) {
        CDocumentFrame* frame = CDocumentFrame::Create(m_owner, m_client, path, binary, false);
        if (frame && path) frame->Load(path, kEncodingDefault);
        return frame;
    }

    bool IsOpen(HWND window) const { return ::IsWindow(window) != FALSE; }

    MessageBoxRecorder m_prompts{SetMessageBoxHook, IDNO};
    TempFolder m_folder;
    FakeOwner m_owner;
    RecordingClient m_client;
    HWND m_top = nullptr;
};

TEST(PathParts, KindsOfAPath) {
    const struct {
        const char* path;
        PathPart kind;
        const char* part;
    } rows[] = {
        {"C:\\a\\b.txt", PathPart::Full, "C:\\a\\b.txt"}, {"C:\\a\\b.txt", PathPart::Name, "b.txt"},
        {"C:\\a\\b.txt", PathPart::Folder, "C:\\a"},      {"C:\\a\\b.txt", PathPart::BaseName, "b"},
        {"C:\\a\\b.txt", PathPart::Extension, "txt"},     {"b.txt", PathPart::Name, ""},
        {"b.txt", PathPart::Folder, ""},                  {"b.txt", PathPart::BaseName, ""},
        {"C:\\v1.2\\Makefile", PathPart::Extension, ""},  {"C:\\v1.2\\Makefile", PathPart::BaseName, "Makefile"},
        {"C:\\a\\b.tar.gz", PathPart::BaseName, "b.tar"}, {"C:\\a\\b.tar.gz", PathPart::Extension, "gz"},
    };
    for (const auto& row : rows) EXPECT_EQ(GetPathPart(row.path, row.kind), row.part) << row.path << " " << (int)row.kind;
}

TEST_F(DocumentFrameTest, LoadsTheFileAndTellsTheClientNamePathAndFrameInOrder) {
    m_folder.Write("b.txt", "hello");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    ASSERT_TRUE(frame);
    EXPECT_EQ(TextOf(*frame), "hello");
    EXPECT_FALSE(frame->IsModified());
    EXPECT_EQ(frame->GetWindowText(), "b.txt");
    EXPECT_EQ(CDocumentFrame::FromWindow(*frame), frame);
    ASSERT_GE(m_client.messages.size(), 3u);
    EXPECT_EQ(m_client.messages[0].first, (UINT)WM_MDI_TABTEXT);
    EXPECT_EQ(m_client.messages[1], std::make_pair((UINT)WM_MDI_DOCFRAME, (LPARAM)frame));
    EXPECT_EQ(m_client.messages[2].first, (UINT)WM_MDI_TABTOOLTIP);
    EXPECT_EQ(m_client.texts[0], "b.txt");
    EXPECT_EQ(m_client.texts[1], path);
    EXPECT_EQ(m_client.TabStates().back(), 0);
}

TEST_F(DocumentFrameTest, FullPathTitleFollowsEditorMaskBitTwo) {
    m_folder.Write("b.txt", "x");
    CAppSettings settings(m_folder.Path().c_str());
    settings.EditorMask = kMaskFullPathTitle;
    g_appSettings = &settings;
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->GetWindowText(), path);
    EXPECT_STREQ(frame->Title(), path.c_str());
}

TEST_F(DocumentFrameTest, UntitledDocumentNeverTouchesTheDisk) {
    CDocumentFrame* frame = Open(nullptr);
    ASSERT_TRUE(frame);
    EXPECT_STREQ(frame->Path(), "<new>");
    EXPECT_FALSE(frame->CheckFile(false));
    EXPECT_FALSE(frame->Reload());
    ::SendMessageA(*frame, WM_COMMAND, ID_TOOLS_LOCATE_FILE, 0);
    ::SendMessageA(*frame, WM_COMMAND, ID_TOOLS_OPEN_DEFAULT, 0);
    EXPECT_TRUE(g_shellOpens.empty());
    EXPECT_TRUE(m_owner.panes.empty());
    // Save goes to the save dialog; its Cancel answers "not saved".
    EXPECT_NE(::SendMessageA(*frame, WM_DOC_SAVE, 0, 0), 0);
    EXPECT_EQ(g_saveAsCalls, 1);
    EXPECT_TRUE(m_prompts.boxes.empty());
}

TEST_F(DocumentFrameTest, AChangedFileIsReloadedOnYesAndMarkedModifiedOnNo) {
    m_folder.Write("b.txt", "old");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    ASSERT_TRUE(frame);

    m_folder.Write("b.txt", "new");
    Touch(path, 10);
    m_prompts.answer = IDYES;
    EXPECT_TRUE(frame->CheckFile(false));
    ASSERT_EQ(m_prompts.boxes.size(), 1u);
    EXPECT_EQ(m_prompts.boxes[0].text, Format(IDS_FILE_CHANGED_RELOAD, path));
    EXPECT_EQ(TextOf(*frame), "new");
    EXPECT_FALSE(frame->IsModified());

    m_folder.Write("b.txt", "newer");
    Touch(path, 20);
    m_prompts.answer = IDNO;
    EXPECT_TRUE(frame->CheckFile(false));
    EXPECT_EQ(TextOf(*frame), "new");
    EXPECT_TRUE(frame->IsModified());
    EXPECT_FALSE(frame->CheckFile(false));  // the same change asks once
    EXPECT_EQ(m_prompts.boxes.size(), 2u);
}

TEST_F(DocumentFrameTest, ACheckArrivingWhileTheQuestionIsOpenIsIgnored) {
    m_folder.Write("b.txt", "old");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    m_folder.Write("b.txt", "new");
    Touch(path, 10);
    m_prompts.answer = IDYES;
    g_checkDuringPrompt = *frame;
    ::SendMessageA(*frame, WM_DOC_CHECKFILE, 0, 0);
    EXPECT_EQ(m_prompts.boxes.size(), 1u);
    EXPECT_EQ(TextOf(*frame), "new");
    EXPECT_FALSE(frame->IsModified());
}

TEST_F(DocumentFrameTest, AVanishedFileIsReportedAtEveryCheck) {
    m_folder.Write("b.txt", "text");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    ASSERT_TRUE(frame);
    ::DeleteFileA(path.c_str());
    EXPECT_TRUE(frame->CheckFile(true));
    EXPECT_TRUE(m_owner.messages.empty());
    EXPECT_TRUE(frame->CheckFile(false));
    EXPECT_TRUE(frame->CheckFile(false));
    EXPECT_EQ(m_owner.messages, std::vector<std::string>(2, Format(IDS_FILE_VANISHED, path)));
    EXPECT_TRUE(frame->IsModified());
    EXPECT_TRUE(m_prompts.boxes.empty());
}

TEST_F(DocumentFrameTest, ClosingAsksOnlyForAModifiedDocument) {
    m_folder.Write("b.txt", "text");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* clean = Open(path.c_str());
    HWND cleanWindow = *clean;
    ::SendMessageA(cleanWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsOpen(cleanWindow));
    EXPECT_TRUE(m_prompts.boxes.empty());
    EXPECT_EQ(m_owner.closed, 1);

    CDocumentFrame* frame = Open(path.c_str());
    HWND window = *frame;
    Type(*frame, "more ");
    m_prompts.answer = IDCANCEL;
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(IsOpen(window));
    ASSERT_EQ(m_prompts.boxes.size(), 1u);
    EXPECT_EQ(m_prompts.boxes[0].text, Format(IDS_SAVE_CHANGES, "b.txt"));
    EXPECT_EQ(m_prompts.boxes[0].flags, (UINT)(MB_YESNOCANCEL | MB_ICONWARNING));
    EXPECT_FALSE(frame->IsClosing());

    m_prompts.answer = IDNO;
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsOpen(window));
    EXPECT_EQ(m_folder.Read("b.txt"), "text");
}

// The frame hands the view's notifications back to it, so a plain Replace
// All keeps its own undo record; the Edit commands undo and redo it, and a
// reload goes on top of it in the history.
TEST_F(DocumentFrameTest, ReplaceAllIsUndoneAndRedoneByTheEditCommands) {
    m_folder.Write("b.txt", "value Value\r\nvalue\r\n");
    CDocumentFrame* frame = Open(m_folder.File("b.txt").c_str());
    ASSERT_TRUE(frame);
    SearchOptions options;
    options.SearchMask = kSearchDown | kSearchWrap;
    lstrcpyA(options.FindText, "value");
    lstrcpyA(options.ReplaceText, "amount");
    CViewSearch search(*frame->GetEditor());
    ASSERT_EQ(3, search.ReplaceAll(options));
    EXPECT_EQ(CUndoRecords::OfThread().RecordCount(frame->GetEditor()->Document()), 1u);
    EXPECT_EQ(TextOf(*frame), "amount amount\r\namount\r\n");
    EXPECT_TRUE(frame->IsModified());
    EXPECT_EQ(m_client.TabStates().back(), 1);

    ::SendMessageA(*frame, WM_COMMAND, ID_EDIT_UNDO, 0);
    EXPECT_EQ(TextOf(*frame), "value Value\r\nvalue\r\n");
    EXPECT_FALSE(frame->IsModified());
    EXPECT_EQ(m_client.TabStates().back(), 0);
    ::SendMessageA(*frame, WM_COMMAND, ID_EDIT_REDO, 0);
    EXPECT_EQ(TextOf(*frame), "amount amount\r\namount\r\n");

    m_folder.Write("b.txt", "other");
    ASSERT_TRUE(frame->Reload());
    EXPECT_EQ(TextOf(*frame), "other");
    ::SendMessageA(*frame, WM_COMMAND, ID_EDIT_UNDO, 0);
    EXPECT_EQ(TextOf(*frame), "amount amount\r\namount\r\n");
    ::SendMessageA(*frame, WM_COMMAND, ID_EDIT_UNDO, 0);
    EXPECT_EQ(TextOf(*frame), "value Value\r\nvalue\r\n");
}

TEST_F(DocumentFrameTest, DocCloseClosesAModifiedDocumentWithoutAskingAndStopsChecks) {
    m_folder.Write("b.txt", "text");
    CDocumentFrame* frame = Open(m_folder.File("b.txt").c_str());
    HWND window = *frame;
    Type(*frame, "more ");
    ::SendMessageA(window, WM_DOC_CLOSE, 0, 0);
    EXPECT_FALSE(IsOpen(window));
    EXPECT_TRUE(m_prompts.boxes.empty());
}

TEST_F(DocumentFrameTest, AFailedSaveKeepsTheDocumentModifiedAndOpen) {
    m_folder.Write("b.txt", "text");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    HWND window = *frame;
    ::DeleteFileA(path.c_str());
    frame->CheckFile(false);  // only the disk-changed flag makes it modified
    ASSERT_TRUE(frame->IsModified());
    // A file held open without sharing refuses the write.
    m_folder.Write("b.txt", "locked");
    HANDLE lock = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    EXPECT_NE(::SendMessageA(window, WM_DOC_SAVE, 0, 0), 0);
    EXPECT_TRUE(frame->IsModified());
    ASSERT_EQ(m_prompts.boxes.size(), 1u);
    // The reason comes after the fixed text.
    EXPECT_EQ(m_prompts.boxes[0].text,
              "Could not save file \"" + path + "\".\n\n" + SystemErrorText(ERROR_SHARING_VIOLATION));

    m_prompts.answer = IDYES;
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsOpen(window));
    EXPECT_TRUE(frame->IsModified());
    ::CloseHandle(lock);

    EXPECT_EQ(::SendMessageA(window, WM_DOC_SAVE, 0, 0), 0);
    EXPECT_FALSE(frame->IsModified());
    EXPECT_EQ(m_folder.Read("b.txt"), "text");
}

TEST_F(DocumentFrameTest, SaveAsWritesTheChosenEncodingAndLineEndsAndAdoptsThePath) {
    CDocumentFrame* frame = Open(nullptr);
    Type(*frame, "a\r\nb");
    const std::string path = m_folder.File("c.txt");
    g_saveAsAnswer = {path, kEolLf, kEncodingUtf8};
    g_saveAsChosen = true;
    EXPECT_EQ(::SendMessageA(*frame, WM_DOC_SAVE, 0, 0), 0);
    EXPECT_EQ(m_folder.Read("c.txt"), "\xEF\xBB\xBF" "a\nb");
    EXPECT_STREQ(frame->Path(), path.c_str());
    EXPECT_EQ(frame->GetWindowText(), "c.txt");
    EXPECT_EQ(m_owner.recent, std::vector<std::string>{path});
    EXPECT_FALSE(frame->IsModified());
}

TEST_F(DocumentFrameTest, AFailedSaveAsKeepsTheOldPathAndAddsNothingToRecent) {
    m_folder.Write("b.txt", "text");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    Type(*frame, "x");
    g_saveAsAnswer = {m_folder.File("missing\\c.txt"), kEolDefault, kEncodingDefault};
    g_saveAsChosen = true;
    EXPECT_FALSE(frame->SaveAs());
    EXPECT_STREQ(frame->Path(), path.c_str());
    EXPECT_TRUE(m_owner.recent.empty());
    EXPECT_TRUE(frame->IsModified());
}

// Sets the file's last-write time to the given one, moved by ticks of 100 ns.
void SetWriteTime(const std::string& path, FILETIME time, LONGLONG ticks) {
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
    value.QuadPart += ticks;
    time = {value.LowPart, value.HighPart};
    ::SetFileTime(file, nullptr, nullptr, &time);
    ::CloseHandle(file);
}

TEST_F(DocumentFrameTest, ARewriteWithinTheStampsTwoSecondsIsNoticed) {
    const struct {
        const char* what;
        const char* rewrite;
        LONGLONG ticks;  // from the time the save left
    } cases[] = {
        {"same size, a moment later", "tool", 1},
        {"other size, the same time", "tool output", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = m_folder.File("t.txt");
        m_folder.Write("t.txt", "");
        CDocumentFrame* frame = Open(path.c_str());
        Type(*frame, "mine");
        ASSERT_TRUE(frame->Save());
        FileStampDetail saved;
        ASSERT_TRUE(GetFileStampDetail(path.c_str(), saved));
        m_folder.Write("t.txt", c.rewrite);
        SetWriteTime(path, saved.lastWriteUtc, c.ticks);
        ASSERT_EQ(saved.stamp, GetFileStamp(path.c_str()));
        // As a user tool with "reload afterwards" asks.
        EXPECT_TRUE(frame->CheckFile(true));
        EXPECT_TRUE(frame->Reload());
        EXPECT_EQ(TextOf(*frame), c.rewrite);
        EXPECT_FALSE(frame->CheckFile(true));
        ::SendMessageA(*frame, WM_DOC_CLOSE, 0, 0);
    }
}

TEST_F(DocumentFrameTest, UndoAfterSaveAsToUtf8NeverBringsBackGbkBytes) {
    m_folder.Write("g.txt", "\xD6\xD0\xCE\xC4");  // 中文 in GBK
    CDocumentFrame* frame = Open(m_folder.File("g.txt").c_str());
    ASSERT_EQ(frame->GetEditor()->File().GetEncoding(), kEncodingAnsi);
    g_saveAsAnswer = {m_folder.File("u.txt"), kEolDefault, kEncodingUtf8};
    g_saveAsChosen = true;
    ASSERT_TRUE(frame->SaveAs());
    ::SendMessageA(*frame, WM_COMMAND, ID_EDIT_UNDO, 0);
    Type(*frame, "!");
    ASSERT_TRUE(frame->Save());
    const std::string written = m_folder.Read("u.txt");
    EXPECT_EQ(written, "\xEF\xBB\xBF!\xE4\xB8\xAD\xE6\x96\x87");
}

bool StopHalfWay(SaveStage stage) { return stage == kSaveTargetHalfWritten; }

TEST_F(DocumentFrameTest, TheCopyOfAnInterruptedSaveIsOfferedAtTheNextOpen) {
    m_folder.Write("b.txt", "the old text of b");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    Type(*frame, "new and longer: ");
    const std::string edited = TextOf(*frame);
    const SaveInterruptSeam previous = SetSaveInterruptSeam(&StopHalfWay);
    EXPECT_FALSE(frame->Save());
    SetSaveInterruptSeam(previous);
    EXPECT_TRUE(frame->IsModified());
    ::SendMessageA(*frame, WM_DOC_CLOSE, 0, 0);
    const std::string copy = SaveCopyFor(path);
    ASSERT_NE(copy, "");

    // No: the copy is dropped and the file opens as it is.
    m_prompts.boxes.clear();
    m_prompts.answer = IDNO;
    {
        TempFolder keep;
        keep.Write("copy", edited);
        ::CopyFileA(keep.File("copy").c_str(), copy.c_str(), FALSE);
        frame = Open(path.c_str());
        ASSERT_EQ(m_prompts.boxes.size(), 1u);
        EXPECT_EQ(m_prompts.boxes[0].text, FormatText(IDS_SAVE_COPY_FOUND, {path, copy}));
        EXPECT_FALSE(frame->IsModified());
        EXPECT_EQ(SaveCopyFor(path), "");
        ::SendMessageA(*frame, WM_DOC_CLOSE, 0, 0);
        ::CopyFileA(keep.File("copy").c_str(), copy.c_str(), FALSE);
    }

    // Yes: the copy's text, to be saved; the save takes the copy's place.
    m_prompts.answer = IDYES;
    frame = Open(path.c_str());
    EXPECT_EQ(TextOf(*frame), edited);
    EXPECT_TRUE(frame->IsModified());
    EXPECT_TRUE(frame->Save());
    EXPECT_EQ(m_folder.Read("b.txt"), edited);
    EXPECT_EQ(SaveCopyFor(path), "");
}

TEST_F(DocumentFrameTest, AnOddLastByteOfAUtf16FileIsReportedAtOpen) {
    m_folder.Write("u16.txt", std::string("\xFF\xFE" "A\0B", 5));
    const std::string path = m_folder.File("u16.txt");
    Open(path.c_str());
    ASSERT_EQ(m_prompts.boxes.size(), 1u);
    EXPECT_EQ(m_prompts.boxes[0].text, FormatText(IDS_UTF16_ODD_BYTE, {path}));
    m_folder.Write("even.txt", std::string("\xFF\xFE" "A\0", 4));
    Open(m_folder.File("even.txt").c_str());
    EXPECT_EQ(m_prompts.boxes.size(), 1u);
}

TEST_F(DocumentFrameTest, APathPastTheAnsiLimitIsSavedWholeUnderItsOwnName) {
    // 275 bytes in code page 936; each folder name within the Linux side's
    // 255 bytes of UTF-8.
    std::wstring name;
    for (int i = 0; i < 40; ++i) name += L'\u6587';
    std::wstring wide = ToWide(m_folder.Path());
    for (int i = 0; i < 2; ++i) {
        wide += L"\\" + name;
        ASSERT_TRUE(::CreateDirectoryW(wide.c_str(), nullptr));
    }
    wide += L"\\" + name + L".txt";
    std::string path = ToAnsi(wide);
    while (path.size() < 275) {
        wide.insert(wide.size() - 4, L"\u6587");
        path = ToAnsi(wide);
    }
    CDocumentFrame* frame = CDocumentFrame::Create(m_owner, m_client, path.c_str(), false, false);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Path(), path);
    EXPECT_EQ(m_client.texts.back(), path);  // the tab's tool tip
    Type(*frame, "whole");
    ASSERT_TRUE(frame->Save());
    UniqueHandle file(::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file);
    char text[16] = {};
    DWORD got = 0;
    ::ReadFile(file.get(), text, sizeof(text) - 1, &got, nullptr);
    EXPECT_STREQ(text, "whole");
    file.close();
    ::DeleteFileW(wide.c_str());
    for (int i = 0; i < 2; ++i) {
        wide = wide.substr(0, wide.rfind(L'\\'));
        ::RemoveDirectoryW(wide.c_str());
    }
}

// A UTF-8 document with a character that GBK lacks (U+1F600) beside one it
// has, saved as ANSI with LF line ends.
class SaveAsAnsiTest : public DocumentFrameTest {
protected:
    void SetUp() override {
        DocumentFrameTest::SetUp();
        m_folder.Write("u.txt", "\xEF\xBB\xBF" "a\r\n\xF0\x9F\x98\x80\xE4\xB8\xAD");
        m_folder.Write("old.txt", "old");
        path = m_folder.File("u.txt");
        frame = Open(path.c_str());
        Type(*frame, "x");
        text = TextOf(*frame);
        g_saveAsChosen = true;
    }

    // Everything a failed or cancelled Save As must leave alone.
    void ExpectUnchanged() {
        EXPECT_EQ(TextOf(*frame), text);
        EXPECT_EQ(frame->GetEditor()->File().GetEncoding(), 3);
        EXPECT_EQ(frame->GetEditor()->Send(SCI_GETCODEPAGE), 65001);
        EXPECT_EQ(frame->GetEditor()->Send(SCI_GETEOLMODE), 0);
        EXPECT_STREQ(frame->Path(), path.c_str());
        EXPECT_TRUE(frame->IsModified());
        EXPECT_TRUE(m_owner.recent.empty());
    }

    std::string path, text;
    CDocumentFrame* frame = nullptr;
};

TEST_F(SaveAsAnsiTest, CharactersWithoutAnAnsiFormAskFirstAndNoCancels) {
    g_saveAsAnswer = {m_folder.File("old.txt"), kEolLf, kEncodingAnsi};
    m_prompts.answer = IDNO;
    EXPECT_FALSE(frame->SaveAs());
    ASSERT_EQ(m_prompts.boxes.size(), 1u);
    EXPECT_EQ(m_prompts.boxes[0].text, Format(IDS_SAVE_ANSI_LOSSY, m_folder.File("old.txt")));
    EXPECT_EQ(m_prompts.boxes[0].flags & MB_TYPEMASK, (UINT)MB_YESNO);
    EXPECT_EQ(m_folder.Read("old.txt"), "old");
    ExpectUnchanged();
}

TEST_F(SaveAsAnsiTest, YesWritesTheReplacementsAndAdoptsTheConversion) {
    g_saveAsAnswer = {m_folder.File("a.txt"), kEolLf, kEncodingAnsi};
    m_prompts.answer = IDYES;
    EXPECT_TRUE(frame->SaveAs());
    EXPECT_EQ(m_prompts.boxes.size(), 1u);
    const std::string written = m_folder.Read("a.txt");
    ASSERT_GT(written.size(), 5u);  // the replacement stands between the two
    EXPECT_EQ(written.substr(0, 3), "xa\n");
    EXPECT_EQ(written.substr(written.size() - 2), "\xD6\xD0");  // 中 in GBK
    EXPECT_EQ(TextOf(*frame), written);
    EXPECT_EQ(frame->GetEditor()->File().GetEncoding(), 0);
    EXPECT_FALSE(frame->IsModified());
}

TEST_F(SaveAsAnsiTest, AFailedSaveAsWithAnEncodingChangeLeavesTheDocumentAsItWas) {
    const std::string missing = m_folder.File("missing\\a.txt");
    m_prompts.answer = IDYES;
    // Converted text, a new mark only, nothing but the line ends.
    for (EncodingCode code : {kEncodingAnsi, kEncodingUtf16Le, kEncodingDefault}) {
        g_saveAsAnswer = {missing, kEolLf, code};
        EXPECT_FALSE(frame->SaveAs()) << code;
        ExpectUnchanged();
    }
}

TEST_F(SaveAsAnsiTest, ACharacterEveryPageHasIsSavedWithoutAsking) {
    frame->GetEditor()->Send(SCI_CLEARALL);
    Type(*frame, "\xE4\xB8\xAD");
    g_saveAsAnswer = {m_folder.File("a.txt"), kEolDefault, kEncodingAnsi};
    EXPECT_TRUE(frame->SaveAs());
    EXPECT_TRUE(m_prompts.boxes.empty());
    EXPECT_EQ(m_folder.Read("a.txt"), "\xD6\xD0");
}

TEST_F(DocumentFrameTest, ReadOnlyFileOpensReadOnlyAndCommand510MakesItWritable) {
    m_folder.Write("b.txt", "text");
    const std::string path = m_folder.File("b.txt");
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    CDocumentFrame* frame = Open(path.c_str());
    EXPECT_EQ(TextOf(*frame), "text");
    EXPECT_EQ(frame->GetEditor()->Send(SCI_GETREADONLY), 1);
    EXPECT_TRUE(frame->IsFileReadOnly());
    EXPECT_EQ(m_client.TabStates().back(), 2);

    // A reload of the read-only view really replaces its text.
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    m_folder.Write("b.txt", "fresh");
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(frame->Reload());
    EXPECT_EQ(TextOf(*frame), "fresh");

    ::SendMessageA(*frame, WM_COMMAND, ID_DOC_CLEAR_READONLY, 0);
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(frame->GetEditor()->Send(SCI_GETREADONLY), 0);
    EXPECT_FALSE(frame->IsFileReadOnly());
    EXPECT_EQ(m_client.TabStates().back(), 0);
    // Again on a writable file: the attribute is cleared, never set.
    ::SendMessageA(*frame, WM_COMMAND, ID_DOC_CLEAR_READONLY, 0);
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

    ::SendMessageA(*frame, WM_COMMAND, ID_DOC_READONLY, 0);
    EXPECT_EQ(frame->GetEditor()->Send(SCI_GETREADONLY), 1);
    EXPECT_EQ(m_client.TabStates().back(), 2);
}

TEST_F(DocumentFrameTest, PathCommandsPutThePartsOnTheClipboard) {
    m_folder.Write("b.txt", "text");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    const struct {
        WORD id;
        std::string text;
    } rows[] = {{ID_EDIT_COPY_FILENAME, "b.txt"}, {ID_EDIT_COPY_FOLDER, m_folder.Path()}, {ID_EDIT_COPY_PATH, path}};
    for (const auto& row : rows) {
        ::SendMessageA(*frame, WM_COMMAND, row.id, 0);
        ASSERT_TRUE(::OpenClipboard(nullptr));
        HANDLE data = ::GetClipboardData(CF_TEXT);
        std::string text = data ? (const char*)::GlobalLock(data) : "";
        if (data) ::GlobalUnlock(data);
        ::CloseClipboard();
        EXPECT_EQ(text, row.text) << row.id;
    }
}

TEST_F(DocumentFrameTest, TitledDocumentsLocateAndOpenWithTheShell) {
    m_folder.Write("b.txt", "text");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    ::SendMessageA(*frame, WM_COMMAND, ID_TOOLS_LOCATE_FILE, 0);
    ::SendMessageA(*frame, WM_COMMAND, ID_TOOLS_OPEN_DEFAULT, 0);
    EXPECT_EQ(m_owner.panes, std::vector<UINT>{ID_PANE_EXPLORER});
    EXPECT_EQ(g_shellOpens, std::vector<std::string>{path});
}

TEST_F(DocumentFrameTest, DescribeFillsTheItemOnlyWhenModified) {
    m_folder.Write("b.txt", "text");
    const std::string path = m_folder.File("b.txt");
    CDocumentFrame* frame = Open(path.c_str());
    CModifiedDocument* item = CModifiedDocument::Create(nullptr, "", 0);
    EXPECT_EQ(::SendMessageA(*frame, WM_DOC_DESCRIBE, 0, (LPARAM)item), 0);
    EXPECT_EQ(item->Window(), nullptr);
    Type(*frame, "x");
    EXPECT_EQ(::SendMessageA(*frame, WM_DOC_DESCRIBE, 0, (LPARAM)item), 1);
    EXPECT_EQ(item->DisplayName(), "b.txt");
    EXPECT_EQ(item->FullPath(), path);
    EXPECT_EQ(item->Window(), (HWND)*frame);
    item->Release();

    CDocumentFrame* untitled = Open(nullptr);
    Type(*untitled, "x");
    CModifiedDocument* other = CModifiedDocument::Create(nullptr, "", 0);
    EXPECT_EQ(::SendMessageA(*untitled, WM_DOC_DESCRIBE, 0, (LPARAM)other), 1);
    EXPECT_EQ(other->FullPath(), LoadText(IDS_UNTITLED));
    other->Release();
}

TEST_F(DocumentFrameTest, BinaryDocumentsShowTheHexView) {
    m_folder.Write("b.bin", std::string("\0\0\1\2", 4));
    CDocumentFrame* frame = Open(m_folder.File("b.bin").c_str(), true);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->GetEditor(), nullptr);
    ASSERT_NE(frame->GetHexView(), nullptr);
    EXPECT_EQ(frame->Describe().kind, DocumentKind::Hex);
    EXPECT_EQ(frame->Describe().fileSize, 4u);
}

// An owner with a toolbar window that records the buttons posted to it, and
// the document events it hears.
class ToolbarOwner : public FakeOwner {
public:
    ToolbarOwner() { m_toolbar.Create(nullptr, nullptr, "toolbar", WS_POPUP); }
    ~ToolbarOwner() override { m_toolbar.DestroyWindow(); }
    HWND Toolbar() const override { return m_toolbar; }
    void DocumentChanged(CDocumentFrame&, DocumentEvent event) override { events.push_back(event); }

    // The last state posted for a button: enabled or checked.
    std::map<int, bool> enabled, checked;
    std::vector<DocumentEvent> events;

private:
    class CToolbar : public CMsgWindow {
    public:
        explicit CToolbar(ToolbarOwner& owner) : m_owner(owner) {}
        TW_BEGIN_MSG_MAP(CToolbar)
            TW_MESSAGE_HANDLER(TB_ENABLEBUTTON, OnButton)
            TW_MESSAGE_HANDLER(TB_CHECKBUTTON, OnButton)
        TW_END_MSG_MAP()

    protected:
        WindowClassInfo GetWindowClassInfo() const override { return {"DocumentFrameTestToolbar"}; }

    private:
        LRESULT OnButton(UINT message, WPARAM id, LPARAM state, bool&) {
            (message == TB_ENABLEBUTTON ? m_owner.enabled : m_owner.checked)[(int)id] = LOWORD(state) != 0;
            return 0;
        }
        ToolbarOwner& m_owner;
    };
    CToolbar m_toolbar{*this};
};

TEST_F(DocumentFrameTest, OnlyATextViewHasTheOptionButtonsAndTellsThePanesOfLoadsAndSaves) {
    ToolbarOwner owner;
    // The documents close while their owner lives, whatever the test's end.
    struct CloseAll {
        HWND client;
        ~CloseAll() {
            for (HWND child = ::GetWindow(client, GW_CHILD); child; child = ::GetWindow(client, GW_CHILD))
                ::SendMessageA(child, WM_DOC_CLOSE, 0, 0);
        }
    } closeAll{m_client};
    const struct {
        const char* name;
        bool binary;
        bool text;  // the options buttons enabled and checked, Loaded and Saved told
    } rows[] = {{"b.txt", false, true}, {"b.bin", true, false}};
    for (const auto& row : rows) {
        owner.enabled.clear();
        owner.checked.clear();
        owner.events.clear();
        m_folder.Write(row.name, std::string("\0\1", 2));
        const std::string path = m_folder.File(row.name);
        CDocumentFrame* frame = CDocumentFrame::Create(owner, m_client, path.c_str(), row.binary, false);
        ASSERT_TRUE(frame) << row.name;
        ASSERT_TRUE(frame->Load(path.c_str(), row.binary ? kEncodingBinary : kEncodingDefault)) << row.name;
        ASSERT_TRUE(frame->Save()) << row.name;
        PumpMessages();
        EXPECT_EQ(owner.enabled[ID_VIEW_WRAP], row.text) << row.name;
        EXPECT_EQ(owner.enabled[ID_VIEW_LINE_ENDS], row.text) << row.name;
        EXPECT_EQ(owner.checked.count(ID_VIEW_WRAP), row.text ? 1u : 0u) << row.name;
        EXPECT_EQ(owner.checked.count(ID_VIEW_LINE_ENDS), row.text ? 1u : 0u) << row.name;
        const int told = row.text ? 1 : 0;
        EXPECT_EQ(std::count(owner.events.begin(), owner.events.end(), DocumentEvent::Loaded), told) << row.name;
        EXPECT_EQ(std::count(owner.events.begin(), owner.events.end(), DocumentEvent::Saved), told) << row.name;
    }
}

TEST_F(DocumentFrameTest, AHexDocumentSavedAsANewNameAdoptsIt) {
    m_folder.Write("b.bin", std::string("\0\1\2", 3));
    CDocumentFrame* frame = Open(m_folder.File("b.bin").c_str(), true);
    ASSERT_TRUE(frame && frame->GetHexView());
    const std::string path = m_folder.File("c.bin");
    g_saveAsAnswer = {path, kEolDefault, kEncodingDefault};
    g_saveAsChosen = true;
    EXPECT_TRUE(frame->SaveAs());
    EXPECT_EQ(m_folder.Read("c.bin"), std::string("\0\1\2", 3));
    EXPECT_STREQ(frame->Path(), path.c_str());
    EXPECT_EQ(m_owner.recent, std::vector<std::string>{path});
    EXPECT_FALSE(frame->IsModified());
    EXPECT_TRUE(m_prompts.boxes.empty());
}

}  // namespace

// The typing aids sit behind the search commands in the view's hooks.
TEST_F(DocumentFrameTest, TheTypingAidsTakeTheBraceCommands) {
    m_folder.Write("b.txt", "f(a);");
    CDocumentFrame* frame = Open(m_folder.File("b.txt").c_str());
    ASSERT_TRUE(frame);
    CEditorView& editor = *frame->GetEditor();
    editor.Send(SCI_GOTOPOS, 1);
    ::SendMessageA(*frame, WM_COMMAND, ID_SEARCH_MATCH_BRACE, 0);
    EXPECT_EQ(4, editor.Send(SCI_GETCURRENTPOS));
    ::SendMessageA(*frame, WM_COMMAND, ID_SEARCH_SELECT_BRACE, 0);
    EXPECT_EQ(4, editor.Send(SCI_GETANCHOR));
    EXPECT_EQ(1, editor.Send(SCI_GETCURRENTPOS));
}

// A maximised document's menu bar draws the icon it finds the way the command
// bar looks for it: the window's small icon, else the class's small icon,
// else the class icon. Drawn on a plain ground it must show a picture, not a
// blank slot or a single-colour block.
TEST_F(DocumentFrameTest, MaximisedDocumentHasAnIconThatDrawsAPicture) {
    CDocumentFrame* frame = CDocumentFrame::Create(m_owner, m_client, nullptr, false, true);
    ASSERT_TRUE(frame);
    HICON icon = (HICON)::SendMessageA(*frame, WM_GETICON, ICON_SMALL, 0);
    if (!icon) icon = (HICON)::GetClassLongPtrA(*frame, GCLP_HICONSM);
    if (!icon) icon = (HICON)::GetClassLongPtrA(*frame, GCLP_HICON);
    ASSERT_TRUE(icon);
    EXPECT_TRUE(::GetClassLongPtrA(*frame, GCLP_HICON));

    const int size = ::GetSystemMetrics(SM_CXSMICON);
    const COLORREF ground = RGB(0, 255, 0);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size, size);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    HBRUSH brush = ::CreateSolidBrush(ground);
    RECT all{0, 0, size, size};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ASSERT_TRUE(::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
    std::set<COLORREF> colours;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) colours.insert(::GetPixel(dc, x, y));
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    colours.erase(ground);
    EXPECT_GE(colours.size(), 2u) << "the icon draws nothing but one colour";
}
