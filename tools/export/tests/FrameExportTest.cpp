// The exports, copy as RTF and the file statistics through a real main
// frame: the export commands write the active document to the file the save
// dialog gives, or say why not; copy as RTF leaves the selection on the
// clipboard; the statistics dialog shows the document's counts and the
// file's size and checksums.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include <scintilla/Scintilla.h>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "EncodingCodes.h"
#include "EncodingFileDialog.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "ModalDialogDriver.h"
#include "ResourceText.h"
#include "ScratchRegistry.h"
#include "TempFolder.h"
#include "ViewExport.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

// What the save dialog answers: a path, or Cancel when empty.
std::string& DialogAnswer() {
    static std::string answer;
    return answer;
}

BOOL AnswerSaveDialog(OPENFILENAMEA* dialog) {
    if (DialogAnswer().empty()) return FALSE;
    lstrcpynA(dialog->lpstrFile, DialogAnswer().c_str(), static_cast<int>(dialog->nMaxFile));
    return TRUE;
}

std::string ItemText(HWND dialog, int id) {
    char text[512] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

struct Statistics {
    std::string path, lines, words, characters, size, md5, sha1, crc32;
};

class FrameExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_appSettings->EditorMask = 0;
        m_previousRunner = SetFileDialogRunner(AnswerSaveDialog);
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        PumpFrameMessages();
    }
    void TearDown() override {
        SetFileDialogRunner(m_previousRunner);
        DialogAnswer().clear();
        if (m_frame->IsWindow()) {
            m_frame->CloseAllDocuments(true);
            m_frame->DestroyWindow();
        }
        PumpFrameMessages();
        g_mainFrame = nullptr;
        m_frame.reset();
    }

    CEditorView* Open(const std::string& name, const std::string& content) {
        m_files.Write(name, content);
        CDocumentFrame* document = m_frame->OpenDocument(m_files.File(name).c_str(), kEncodingDefault, false);
        PumpFrameMessages();
        // Its ctags run has ended too: it makes temporary files, and reads the file.
        EXPECT_TRUE(WaitForCtags(*m_frame));
        return document ? document->GetEditor() : nullptr;
    }
    void Command(WORD id) {
        ::SendMessageA(*m_frame, WM_COMMAND, id, 0);
        PumpFrameMessages();
    }
    // Runs the statistics command and reads its dialog before closing it.
    Statistics ShowStatistics() {
        Statistics shown;
        DriveNextDialog([&](HWND dialog) {
            shown = {ItemText(dialog, IDC_STATS_PATH),  ItemText(dialog, IDC_STATS_LINES),
                     ItemText(dialog, IDC_STATS_WORDS), ItemText(dialog, IDC_STATS_CHARACTERS),
                     ItemText(dialog, IDC_STATS_SIZE),  ItemText(dialog, IDC_STATS_MD5),
                     ItemText(dialog, IDC_STATS_SHA1),  ItemText(dialog, IDC_STATS_CRC32)};
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        Command(ID_TOOLS_FILE_PROPERTIES);
        return shown;
    }

    ScratchRegistry m_registry;
    RecordedMessageBoxes m_boxes;
    TempFolder m_files;
    std::unique_ptr<CMainFrame> m_frame;
    FileDialogRunner m_previousRunner = nullptr;
};

TEST_F(FrameExportTest, CommandsExportTheActiveDocument) {
    ASSERT_TRUE(Open("demo.cpp", "int main() {\r\n\treturn 0; // (done)\r\n}\r\n"));
    const struct {
        WORD id;
        const char* name;
        const char* start;
        const char* text;
    } exports[] = {
        {ID_FILE_EXPORT_HTML, "out.html", "<!DOCTYPE html PUBLIC", "int main() {"},
        {ID_FILE_EXPORT_RTF, "out.rtf", "{\\rtf1\\ansi", "    return 0; // (done)\\par\r\n\\}\\par\r\n}"},
        {ID_FILE_EXPORT_PDF, "out.pdf", "%PDF-1.3\n", "0; // \\(done\\))Tj"},
        {ID_FILE_EXPORT_TEX, "out.tex", "\\documentclass[a4paper]{article}\r\n", "Source File: out.tex"},
    };
    for (const auto& e : exports) {
        DialogAnswer() = m_files.File(e.name);
        Command(e.id);
        const std::string bytes = m_files.Read(e.name);
        EXPECT_EQ(bytes.rfind(e.start, 0), 0u) << e.name;
        EXPECT_NE(bytes.find(e.text), std::string::npos) << e.name << "\n" << bytes;
    }
    EXPECT_TRUE(m_boxes.Texts().empty());

    // Cancel writes nothing; a folder that is not there gives the message and no file.
    DialogAnswer().clear();
    Command(ID_FILE_EXPORT_HTML);
    EXPECT_TRUE(m_boxes.Texts().empty());
    const std::string missing = m_files.File("no such folder\\out.html");
    DialogAnswer() = missing;
    Command(ID_FILE_EXPORT_HTML);
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_EQ(m_boxes.Texts()[0], "Could not save file \"" + missing + "\".");
    EXPECT_EQ(::GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
}

// LaTeX of Chinese text would not compile: the export asks first, Yes
// writes and No writes nothing; the other formats and Latin text ask not.
TEST_F(FrameExportTest, LatexOfChineseTextAsksFirst) {
    const struct {
        const char* name;
        const char* content;
    } documents[] = {
        {"utf8.c", "\xEF\xBB\xBF// \xE4\xB8\xAD\xE6\x96\x87\r\n"},
        {"gbk.c", "// \xD6\xD0\xCE\xC4\r\n"},  // the ANSI code page of the tests is 936
    };
    ASSERT_EQ(::GetACP(), 936u);
    for (const auto& d : documents) {
        ASSERT_TRUE(Open(d.name, d.content)) << d.name;
        const std::string path = m_files.File(std::string(d.name) + ".tex");
        DialogAnswer() = path;
        m_boxes.Clear();
        m_boxes.answer = IDNO;
        Command(ID_FILE_EXPORT_TEX);
        ASSERT_EQ(m_boxes.boxes.size(), 1u) << d.name;
        EXPECT_EQ(m_boxes.boxes[0].text, FormatText(IDS_EXPORT_TEX_CHINESE, {path}));
        EXPECT_EQ(m_boxes.boxes[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
        EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << d.name;

        m_boxes.answer = IDYES;
        Command(ID_FILE_EXPORT_TEX);
        EXPECT_EQ(m_boxes.boxes.size(), 2u) << d.name;  // the question again, no error after it
        EXPECT_EQ(m_files.Read(std::string(d.name) + ".tex").rfind("\\documentclass", 0), 0u) << d.name;

        DialogAnswer() = m_files.File(std::string(d.name) + ".html");
        Command(ID_FILE_EXPORT_HTML);
        EXPECT_EQ(m_boxes.boxes.size(), 2u) << d.name;
    }
}

TEST_F(FrameExportTest, CopyAsRtfLeavesTheSelectionOnTheClipboard) {
    CEditorView* view = Open("copy.c", "first {x}\r\nsecond\r\n");
    ASSERT_TRUE(view);
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const auto count = [](const std::string& pattern) {
        int n = 0;
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA(pattern.c_str(), &data);
        for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &data)) ++n;
        if (find != INVALID_HANDLE_VALUE) ::FindClose(find);
        return n;
    };
    const int tempFiles = count(std::string(temp) + "*");
    const int rootFiles = count("\\*");

    view->Send(SCI_SETSEL, 6, 9);  // "{x}"
    Command(ID_EDIT_COPY_RTF);
    const auto rtfOnClipboard = [&]() {
        std::string rtf;
        if (!::OpenClipboard(*m_frame)) return rtf;
        if (HANDLE data = ::GetClipboardData(::RegisterClipboardFormatA("Rich Text Format"))) {
            rtf = static_cast<const char*>(::GlobalLock(data));  // up to its NUL
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        return rtf;
    };
    std::string rtf = rtfOnClipboard();
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl", 0), 0u) << rtf;
    EXPECT_EQ(rtf.substr(rtf.size() - 11), "\\cf0 \\{x\\}}") << rtf;
    EXPECT_EQ(rtf.find("first"), std::string::npos);
    ASSERT_TRUE(::OpenClipboard(*m_frame));
    HANDLE text = ::GetClipboardData(CF_TEXT);
    ASSERT_TRUE(text);
    EXPECT_STREQ(static_cast<const char*>(::GlobalLock(text)), "{x}");
    ::GlobalUnlock(text);
    ::CloseClipboard();

    // An empty selection: a document without text.
    view->Send(SCI_SETSEL, 3, 3);
    ASSERT_TRUE(CopyAsRtf(*view, *g_propertySets));
    rtf = rtfOnClipboard();
    EXPECT_EQ(rtf.substr(rtf.size() - 6), "\\cf0 }") << rtf;

    EXPECT_EQ(count(std::string(temp) + "*"), tempFiles);
    EXPECT_EQ(count("\\*"), rootFiles);
}

TEST_F(FrameExportTest, StatisticsShowTheCountsAndTheFilesChecksums) {
    CEditorView* view = Open("abc.txt", "abc");
    ASSERT_TRUE(view);
    Statistics shown = ShowStatistics();
    EXPECT_EQ(shown.path, m_files.File("abc.txt"));
    EXPECT_EQ(shown.lines, "1");
    EXPECT_EQ(shown.words, "1");
    EXPECT_EQ(shown.characters, "3");
    EXPECT_EQ(shown.size, "3 B\t0 KB\t0 MB");
    EXPECT_EQ(shown.md5, "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(shown.sha1, "A9993E364706816ABA3E25717850C26C9CD0D89D");
    EXPECT_EQ(shown.crc32, "352441C2");

    // Edited, not saved: the counts follow the text, the checksums the file.
    view->Send(SCI_APPENDTEXT, 10, reinterpret_cast<sptr_t>("\r\nmore two"));
    shown = ShowStatistics();
    EXPECT_EQ(shown.lines, "2");
    EXPECT_EQ(shown.words, "3");
    EXPECT_EQ(shown.characters, "13");
    EXPECT_EQ(shown.crc32, "352441C2");

    // Deleted since it was loaded: nothing of the file.
    ::DeleteFileA(m_files.File("abc.txt").c_str());
    shown = ShowStatistics();
    EXPECT_EQ(shown.characters, "13");
    for (const std::string* field : {&shown.size, &shown.md5, &shown.sha1, &shown.crc32}) EXPECT_EQ(*field, "N/A");
}

TEST_F(FrameExportTest, StatisticsOfSizesAndOfAnUntitledDocument) {
    ASSERT_TRUE(Open("empty.txt", ""));
    Statistics shown = ShowStatistics();
    EXPECT_EQ(shown.size, "0 B\t0 KB\t0 MB");
    EXPECT_EQ(shown.crc32, "00000000");
    EXPECT_EQ(shown.md5, "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(shown.sha1, "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");

    ASSERT_TRUE(Open("mega.txt", std::string(1048576, 'x')));
    EXPECT_EQ(ShowStatistics().size, "1048576 B\t1024 KB\t1 MB");

    Command(ID_FILE_NEW);
    shown = ShowStatistics();
    EXPECT_EQ(shown.path.rfind("<", 0), 0u) << shown.path;
    for (const std::string* field : {&shown.size, &shown.md5, &shown.sha1, &shown.crc32}) EXPECT_EQ(*field, "N/A");
}

}  // namespace
