// The open and save dialogs driven for real under Wine: a timer inside the
// dialog's modal loop picks the codes, types the names and presses OK.
#include <gtest/gtest.h>
#include <windows.h>

#include <scintilla/Scintilla.h>

#include <string>
#include <vector>

#include "DocumentFrame.h"
#include "EncodingFileDialog.h"
#include "MultiOpenDialog.h"
#include "TempFolder.h"

namespace {

struct Script {
    std::string names;                           // typed into the name box
    std::vector<std::pair<WORD, int>> choices;   // combo id, item index
    bool cancel = false;
    bool done = false;
    RECT encodingCombo{}, typeCombo{}, encodingLabel{}, typeLabel{};  // screen, as laid out
};
Script g_script;

HWND FindFileDialog() {
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            char name[32] = {};
            ::GetClassNameA(window, name, sizeof(name));
            if (std::string(name) == "#32770" && ::IsWindowVisible(window)) {
                *(HWND*)result = window;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&found);
    return found;
}

HWND FindControl(HWND dialog, WORD id) {
    struct Search {
        WORD id;
        HWND found;
    } search{id, nullptr};
    ::EnumChildWindows(
        dialog,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = (Search*)data;
            if (::GetDlgCtrlID(window) != s->id) return TRUE;
            s->found = window;
            return FALSE;
        },
        (LPARAM)&search);
    return search.found;
}

void CALLBACK Drive(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindFileDialog();
    if (!dialog || g_script.done) return;
    g_script.done = true;
    ::KillTimer(nullptr, timer);
    if (g_script.cancel) {
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    for (auto [id, index] : g_script.choices) {
        HWND combo = FindControl(dialog, id);
        ASSERT_TRUE(combo) << id;
        ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)index, 0);
        ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)combo);
    }
    ::GetWindowRect(FindControl(dialog, CMultiOpenDialog::kEncodingCombo), &g_script.encodingCombo);
    ::GetWindowRect(FindControl(dialog, CMultiOpenDialog::kEncodingLabel), &g_script.encodingLabel);
    ::GetWindowRect(::GetDlgItem(dialog, CFileDialogExtension::kFileTypeCombo), &g_script.typeCombo);
    ::GetWindowRect(::GetDlgItem(dialog, CFileDialogExtension::kFileTypeLabel), &g_script.typeLabel);
    HWND nameBox = FindControl(dialog, 1148);
    if (!nameBox) nameBox = FindControl(dialog, 1152);
    ASSERT_TRUE(nameBox);
    ::SetWindowTextA(nameBox, g_script.names.c_str());
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

BOOL RunOpen(OPENFILENAMEA* dialog) {
    ::SetTimer(nullptr, 0, 300, Drive);
    return ::GetOpenFileNameA(dialog);
}

BOOL RunSave(OPENFILENAMEA* dialog) {
    ::SetTimer(nullptr, 0, 300, Drive);
    return ::GetSaveFileNameA(dialog);
}

const char kFilter[] = "All\0*.*\0\0";

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override { g_script = Script(); }
    TempFolder m_folder;
};

TEST_F(FileDialogTest, OpenReturnsEverySelectedFileWithTheChosenCode) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) m_folder.Write(name, name);
    g_script.names = "\"a.txt\" \"b.txt\" \"c.txt\"";
    g_script.choices = {{CMultiOpenDialog::kEncodingCombo, 1}};  // "Binary"
    CMultiOpenDialog dialog(kFilter);
    dialog.SetMultiSelect(true);
    dialog.SetInitialFolder(m_folder.Path().c_str());
    ASSERT_EQ(dialog.Run(nullptr, RunOpen), IDOK);
    EXPECT_EQ(dialog.Paths(), (std::vector<std::string>{m_folder.File("a.txt"), m_folder.File("b.txt"),
                                                         m_folder.File("c.txt")}));
    EXPECT_EQ(dialog.Encoding(), kEncodingBinary);
    // The added box lines up with the file-type box, its label with that label.
    EXPECT_EQ(g_script.encodingCombo.left, g_script.typeCombo.left);
    EXPECT_EQ(g_script.encodingCombo.right, g_script.typeCombo.right);
    EXPECT_EQ(g_script.encodingLabel.left, g_script.typeLabel.left);
    EXPECT_GT(g_script.encodingCombo.top, g_script.typeCombo.top);
}

TEST_F(FileDialogTest, ANameTypedWithoutItsExtensionOpensTheFileTheDialogResolves) {
    m_folder.Write("abc.txt", "abc");
    for (const bool multi : {true, false}) {
        g_script = Script();
        g_script.names = "abc";
        CMultiOpenDialog dialog(kFilter);
        dialog.SetMultiSelect(multi);
        dialog.SetInitialFolder(m_folder.Path().c_str());
        ASSERT_EQ(dialog.Run(nullptr, RunOpen), IDOK) << multi;
        EXPECT_EQ(dialog.Paths(), std::vector<std::string>{m_folder.File("abc.txt")}) << multi;
    }
}

TEST_F(FileDialogTest, OpenUntouchedGivesTheDefaultCodeAndCancelNoPaths) {
    m_folder.Write("a.txt", "a");
    g_script.names = "a.txt";
    CMultiOpenDialog dialog(kFilter);
    dialog.SetMultiSelect(true);
    dialog.SetInitialFolder(m_folder.Path().c_str());
    ASSERT_EQ(dialog.Run(nullptr, RunOpen), IDOK);
    EXPECT_EQ(dialog.Paths(), std::vector<std::string>{m_folder.File("a.txt")});
    EXPECT_EQ(dialog.Encoding(), kEncodingDefault);

    g_script = Script();
    g_script.cancel = true;
    EXPECT_EQ(dialog.Run(nullptr, RunOpen), IDCANCEL);
    EXPECT_TRUE(dialog.Paths().empty());
}

TEST_F(FileDialogTest, SaveAsWritesTheChosenLineEndsAndEncoding) {
    Scintilla_RegisterClasses(::GetModuleHandleA(nullptr));
    class Owner : public IDocumentFrameOwner {
        HWND MainWindow() const override { return nullptr; }
        HWND Toolbar() const override { return nullptr; }
        HWND StatusBar() const override { return nullptr; }
        bool IsMenuBarVisible() const override { return true; }
        void UpdateStatusBar() override {}
        void SetStatusMessage(const char*) override {}
        void ShowPane(UINT) override {}
        void AddToRecent(const char*) override {}
        bool HandleEscape() override { return false; }
        void DocumentClosed() override {}
    } owner;
    HWND top = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    CLIENTCREATESTRUCT ccs{nullptr, 1000};
    HWND client = ::CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, top, nullptr,
                                    nullptr, &ccs);
    CDocumentFrame* frame = CDocumentFrame::Create(owner, client, nullptr, false, false);
    ASSERT_TRUE(frame);
    const char text[] = "one\r\ntwo";
    frame->GetEditor()->Send(SCI_ADDTEXT, sizeof(text) - 1, (sptr_t)text);

    const std::string path = m_folder.File("saved.txt");
    g_script.names = path;
    g_script.choices = {{CEncodingFileDialog::kLineEndCombo, 2}, {CEncodingFileDialog::kEncodingCombo, 4}};
    SetFileDialogRunner(RunSave);  // Unix LF, "Unicode" (UTF-16LE)
    const bool saved = frame->SaveAs();
    SetFileDialogRunner(nullptr);
    ASSERT_TRUE(saved);
    const std::string expected("\xFF\xFEo\0n\0e\0\n\0t\0w\0o\0", 16);
    EXPECT_EQ(m_folder.Read("saved.txt"), expected);
    ::SendMessageA(*frame, WM_DOC_CLOSE, 0, 0);
    ::DestroyWindow(top);
}

}  // namespace
