// The Language menu of a real main frame over the shipped language folder:
// its items, choosing the active document's language, the language a
// document gets when it is opened, made or saved under another name, and
// the restyling of the documents after the options dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include <SciLexer.h>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "EncodingCodes.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "IniKeys.h"
#include "MainFrame.h"
#include "ModalDialogDriver.h"
#include "OptionsTestSupport.h"
#include "PropertySets.h"
#include "ShippedFolder.h"
#include "ViewFixture.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

std::string g_saveAsPath;
bool AnswerSaveAs(HWND, const char*, SaveAsChoice& choice) {
    choice.path = g_saveAsPath;
    return true;
}

class MainFrameLanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_appSettings->EditorMask = kMaskSyntaxHighlight;
        g_propertySets->Load(ShippedFolder());
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        PumpMessagesFor(30);
    }
    void TearDown() override {
        SetSaveAsPrompt(nullptr);
        m_frame->CloseAllDocuments(true);
        m_frame->DestroyWindow();
        PumpMessagesFor(30);
        g_mainFrame = nullptr;
        m_frame.reset();
        g_propertySets->Load(std::string());
    }

    HMENU LanguageMenu() const { return ::GetSubMenu(m_frame->Menu(), MENU_POS_LANGUAGE); }
    CEditorView& ActiveEditor() const {
        CDocumentFrame* document = CDocumentFrame::FromWindow(m_frame->GetActiveMdiChild());
        EXPECT_TRUE(document && document->GetEditor());
        return *document->GetEditor();
    }
    CEditorView& Open(const char* name, const char* text) {
        m_files.Write(name, text);
        EXPECT_TRUE(m_frame->OpenDocument(m_files.File(name).c_str(), kEncodingDefault, false));
        return ActiveEditor();
    }
    static int Index(const char* file) { return g_propertySets->LexerForFile(file); }

    std::unique_ptr<CMainFrame> m_frame;
    TempFolder m_files;
};

TEST_F(MainFrameLanguageTest, TheMenuListsEveryLanguageAfterHex) {
    HMENU menu = LanguageMenu();
    const auto& languages = g_propertySets->Languages();
    ASSERT_FALSE(languages.empty());
    ASSERT_EQ(static_cast<int>(languages.size()) + 1, ::GetMenuItemCount(menu));
    EXPECT_EQ(static_cast<UINT>(ID_LANGUAGE_HEX), ::GetMenuItemID(menu, 0));
    for (size_t i = 0; i < languages.size(); ++i) {
        char text[64] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(ID_LANGUAGE_FIRST + i), text, sizeof(text), MF_BYCOMMAND);
        EXPECT_EQ(languages[i].name, text);
    }
}

TEST_F(MainFrameLanguageTest, ALanguageCommandRestylesTheActiveDocumentAndIsChecked) {
    CEditorView& editor = Open("main.cpp", "# not a directive in Python\n");
    EXPECT_EQ(Index("main.cpp"), editor.LanguageIndex());
    EXPECT_EQ(SCLEX_CPP, editor.Send(SCI_GETLEXER));

    const int python = Index("x.py");
    m_frame->SendMessage(WM_COMMAND, ID_LANGUAGE_FIRST + python, 0);
    EXPECT_EQ(python, editor.LanguageIndex());
    EXPECT_EQ(SCLEX_PYTHON, editor.Send(SCI_GETLEXER));
    EXPECT_EQ(SCE_P_COMMENTLINE, editor.Send(SCI_GETSTYLEAT, 0));

    m_frame->SendMessage(WM_INITMENUPOPUP, (WPARAM)LanguageMenu(), MENU_POS_LANGUAGE);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED),
              ::GetMenuState(LanguageMenu(), ID_LANGUAGE_FIRST + python, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0u, ::GetMenuState(LanguageMenu(), ID_LANGUAGE_FIRST + Index("main.cpp"), MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MainFrameLanguageTest, SavingUnderAnotherNameTakesItsLanguage) {
    CEditorView& editor = Open("main.cpp", "# x\n");
    editor.Send(SCI_COLOURISE, 0, -1);
    ASSERT_EQ(SCE_C_PREPROCESSOR, editor.Send(SCI_GETSTYLEAT, 0));
    g_saveAsPath = m_files.File("tool.py");
    SetSaveAsPrompt(AnswerSaveAs);
    m_frame->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS, 0);
    EXPECT_EQ(Index("tool.py"), editor.LanguageIndex());
    EXPECT_EQ(SCLEX_PYTHON, editor.Send(SCI_GETLEXER));
    ::UpdateWindow(editor.Window());
    EXPECT_EQ(SCE_P_COMMENTLINE, editor.Send(SCI_GETSTYLEAT, 0));
}

TEST_F(MainFrameLanguageTest, ANewDocumentIsStyledAsTheFirstLanguage) {
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW, 0);
    CEditorView& editor = ActiveEditor();
    EXPECT_EQ(0, editor.LanguageIndex());
    // The default font scheme reached the default style.
    EXPECT_EQ(0xCFE8CC, editor.Send(SCI_STYLEGETBACK, STYLE_DEFAULT));
}

// The options dialog opened by the frame's command: a colour picked on the
// editor page reaches every open document when OK ends the dialog.
TEST_F(MainFrameLanguageTest, OptionsOkRestylesTheOpenDocuments) {
    g_appSettings->EditorMask = kMaskHighlightLine;
    g_appSettings->HighLightColor = 0x123456;
    CEditorView& first = Open("a.txt", "one\r\n");
    CEditorView& second = Open("b.cpp", "int x;\r\n");
    ASSERT_EQ(0x123456, first.Send(SCI_GETCARETLINEBACK));

    DriveNextDialog([](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_OPTIONS_LIST);
        ::SendMessageA(list, LB_SETCURSEL, 1, 0);  // the editor page
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LIST, LBN_SELCHANGE), (LPARAM)list);
        HWND page = nullptr;
        for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (::IsWindowVisible(child) && ::GetDlgItem(child, IDC_EDITOR_LINE_COLOR)) page = child;
        ASSERT_TRUE(page);
        // The popup's loop reads the keys posted ahead: automatic -> cell 0 -> cell 1.
        for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_RETURN}) ::PostMessageA(page, WM_KEYDOWN, key, 1);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_EDITOR_LINE_COLOR, BN_CLICKED),
                       (LPARAM)::GetDlgItem(page, IDC_EDITOR_LINE_COLOR));
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    m_frame->SendMessage(WM_COMMAND, ID_OPTIONS_GENERAL, 0);

    EXPECT_EQ(0x002AA5u, g_appSettings->HighLightColor);
    EXPECT_EQ(0x002AA5, first.Send(SCI_GETCARETLINEBACK));
    EXPECT_EQ(0x002AA5, second.Send(SCI_GETCARETLINEBACK));
    g_appSettings->HighLightColor = 0xFFFFFF;
}

// A size typed on the fonts page reaches the open document's styles,
// read back from the editing component.
TEST_F(MainFrameLanguageTest, AFontChangeOnTheFontsPageRestylesTheOpenDocuments) {
    g_appSettings->WriteString(ini::kFont, "1", "font:fixedsys,size:10");
    g_appSettings->WriteInt(ini::kFont, ini::kFontCurSel, 1);
    CEditorView& view = Open("c.txt", "one\r\n");
    ASSERT_EQ(10, view.Send(SCI_STYLEGETSIZE, STYLE_DEFAULT));

    DriveNextDialog([](HWND dialog) {
        HWND page = ShownPageWith(dialog, IDC_FONT_SIZE);
        ASSERT_TRUE(page);
        HWND sizes = ::GetDlgItem(page, IDC_FONT_SIZE);
        ::SetWindowTextA(sizes, "16");
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_FONT_SIZE, CBN_EDITCHANGE), (LPARAM)sizes);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    m_frame->SendMessage(WM_COMMAND, ID_OPTIONS_FONTS, 0);

    // The face is the listed one's name when the prefix lists it.
    EXPECT_STRCASEEQ("font:fixedsys,size:16", g_appSettings->ReadString(ini::kFont, "1", "").c_str());
    EXPECT_EQ(16, view.Send(SCI_STYLEGETSIZE, STYLE_DEFAULT));
    EXPECT_EQ(16, view.Send(SCI_STYLEGETSIZE, 0));
    g_appSettings->ClearSection(ini::kFont);
}

}  // namespace
