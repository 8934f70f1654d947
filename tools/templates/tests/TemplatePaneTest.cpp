// The template pane in a real main frame over a template database in the
// temporary program folder: the categories it lists and remembers, adding,
// editing and deleting through its dialog, and inserting into a document.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "EditorView.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "ModalDialogDriver.h"
#include "ResourceText.h"
#include "TemplatePane.h"
#include "MessageBoxRecorder.h"
#include "UiSeams.h"
#include "db_fixture.h"
#include "support.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

using Texts = std::vector<std::string>;

void Pump() { PumpFrameMessages(); }

std::string ItemText(HWND dialog, int id) {
    char text[2048] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

// 255 numbered lines, the last with the caret marker: 1023 characters
// that, indented, expand past one 4096-byte block.
std::string LongContent() {
    std::string content;
    for (int i = 1; i <= 255; ++i) {
        char line[8];
        snprintf(line, sizeof(line), "%03d\n", i);
        content += line;
    }
    content.back() = '|';
    return content;
}

class TemplatePaneTest : public RealFrameTest {
protected:
    void SetUp() override {
        ::DeleteFileA(DatabasePath().c_str());
        const std::string columns(dovari_test::kTemplateColumns);
        dovari_test::MakeDatabase(DatabasePath(),
                                  "CREATE TABLE Alpha" + columns + "; CREATE TABLE Beta" + columns +
                                      "; CREATE TABLE [My Snippets]" + columns +
                                      "; INSERT INTO Alpha VALUES('first','1'),('say \"hi\"','hi \"there\"');"
                                      "INSERT INTO Beta VALUES('b','B');"
                                      "CREATE TABLE Code" + columns + ";"
                                      "INSERT INTO Code VALUES('call', 'call(|);' || char(13, 10) || 'next($(USER));'),"
                                      "('plain', 'alpha' || char(10) || 'beta'),"
                                      "('han', '中|文'),"
                                      "('long', '" + LongContent() + "');");
        g_appSettings->WriteString(ini::kUser, ini::kUserTemplate, "");
        g_appSettings->EditorMask = 0;
        RealFrameTest::SetUp();
        ASSERT_NE(m_frame->GetTemplatePane(), nullptr);
        ASSERT_TRUE(Pane().IsWindow());
    }

    static std::string DatabasePath() { return g_environment->folder->File("template.mdb"); }
    CTemplatePane& Pane() { return *m_frame->GetTemplatePane(); }
    Texts Categories() {
        Texts texts;
        const int count = static_cast<int>(::SendMessageA(Pane().Combo(), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[300] = {};
            ::SendMessageA(Pane().Combo(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    std::string Category() {
        const int index = static_cast<int>(::SendMessageA(Pane().Combo(), CB_GETCURSEL, 0, 0));
        return index < 0 ? "<none>" : Categories()[index];
    }
    Texts Names() {
        Texts texts;
        const int count = static_cast<int>(::SendMessageA(Pane().List(), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[300] = {};
            ::SendMessageA(Pane().List(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    void ChooseCategory(const std::string& name) {
        const LRESULT index =
            ::SendMessageA(Pane().Combo(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(index, CB_ERR) << name;
        ::SendMessageA(Pane().Combo(), CB_SETCURSEL, index, 0);
        ::SendMessageA(Pane(), WM_COMMAND, MAKEWPARAM(CTemplatePane::kComboId, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Pane().Combo()));
    }
    void SelectName(const std::string& name) {
        const LRESULT index =
            ::SendMessageA(Pane().List(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(index, LB_ERR) << name;
        ::SendMessageA(Pane().List(), LB_SETCURSEL, index, 0);
    }
    void Command(UINT id) { ::SendMessageA(Pane(), WM_COMMAND, id, 0); }
    static std::string Stored(const std::string& utf8Sql) { return dovari_test::QueryText(DatabasePath(), utf8Sql); }

    // An untitled document holding text, the caret at caret; tabs of
    // width 4 and LF line ends.
    CEditorView& NewDocument(const std::string& text, int caret) {
        CDocumentFrame* document = m_frame->CreateDocumentFrame(nullptr, false);
        EXPECT_TRUE(document && document->GetEditor());
        Pump();
        CEditorView& view = *document->GetEditor();
        view.Send(SCI_SETCODEPAGE, 936);
        view.Send(SCI_SETUSETABS, 1);
        view.Send(SCI_SETTABWIDTH, 4);
        view.Send(SCI_SETEOLMODE, SC_EOL_LF);
        view.Component().ReplaceAll(text);
        view.Send(SCI_EMPTYUNDOBUFFER);
        view.Send(SCI_GOTOPOS, static_cast<uptr_t>(caret));
        return view;
    }
    // Picks a template of the Code category with a double click.
    void Insert(const std::string& name) {
        ChooseCategory("Code");
        SelectName(name);
        ::SendMessageA(Pane(), WM_COMMAND, MAKEWPARAM(CTemplatePane::kListId, LBN_DBLCLK),
                       reinterpret_cast<LPARAM>(Pane().List()));
        Pump();
    }
    static std::string Text(CEditorView& view) { return view.Component().GetText(); }
    static int Caret(CEditorView& view) { return static_cast<int>(view.Send(SCI_GETCURRENTPOS)); }
};

TEST_F(TemplatePaneTest, ListsTheCategoriesAndChoosesTheRememberedOne) {
    EXPECT_EQ(Categories(), (Texts{"Alpha", "Beta", "Code", "My Snippets"}));
    EXPECT_EQ(Category(), "Alpha");
    EXPECT_EQ(Names(), (Texts{"first", "say \"hi\""}));

    const struct {
        const char* remembered;
        const char* chosen;
        Texts names;
    } cases[] = {
        {"beta", "Beta", {"b"}},
        {"ALPHA", "Alpha", {"first", "say \"hi\""}},
        {"My Snippets", "My Snippets", {}},
        {"Gone", "Alpha", {"first", "say \"hi\""}},
    };
    for (const auto& c : cases) {
        g_appSettings->WriteString(ini::kUser, ini::kUserTemplate, c.remembered);
        Pane().FillTables();
        EXPECT_EQ(Category(), c.chosen) << c.remembered;
        EXPECT_EQ(Names(), c.names) << c.remembered;
    }
    ChooseCategory("Beta");
    EXPECT_EQ(Names(), Texts{"b"});
}

TEST_F(TemplatePaneTest, AMissingDatabaseLeavesThePaneEmpty) {
    ASSERT_TRUE(::DeleteFileA(DatabasePath().c_str()));
    Pane().FillTables();
    EXPECT_EQ(Categories(), Texts{});
    EXPECT_EQ(Names(), Texts{});
    EXPECT_FALSE(Pane().CanAdd());
    EXPECT_FALSE(Pane().CanEditOrDelete());
    // Nothing to add to: no dialog comes.
    Command(ID_TEMPLATE_ADD);
    EXPECT_FALSE(::IsWindow(::FindWindowA("#32770", LoadText(IDS_TEMPLATE_ADD_CAPTION).c_str())));
    EXPECT_FALSE(dovari_test::IsFile(DatabasePath()));  // and no database was made
}

TEST_F(TemplatePaneTest, ADamagedDatabaseIsToldAndThePaneStillAppears) {
    RealFrameTest::TearDown();
    {
        HANDLE file = ::CreateFileA(DatabasePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const std::string junk(4096, '\x5A');
        DWORD written = 0;
        ::WriteFile(file, junk.data(), (DWORD)junk.size(), &written, nullptr);
        ::CloseHandle(file);
    }
    RecordedMessageBoxes boxes;
    RealFrameTest::SetUp();
    ASSERT_NE(m_frame->GetTemplatePane(), nullptr);
    EXPECT_TRUE(Pane().IsWindow());
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find(DatabasePath()), std::string::npos);
    EXPECT_EQ(Categories(), Texts{});
    boxes.Clear();
    ::SendMessageA(*m_frame, WM_COMMAND, ID_PANE_TEMPLATES, 0);
    PumpFrameMessages();
    EXPECT_TRUE(Pane().IsPaneVisible()) << "803 shows the pane";
}

TEST_F(TemplatePaneTest, AddingAsksForANameAndStoresTheTemplate) {
    RecordedMessageBoxes boxes;
    ChooseCategory("My Snippets");
    EXPECT_TRUE(Pane().CanAdd());
    EXPECT_FALSE(Pane().CanEditOrDelete());
    std::string caption;
    bool stayedOpen = false;
    int nameLimit = 0, contentLimit = 0;
    std::string typedName;
    DriveNextDialog([&](HWND dialog) {
        char text[64] = {};
        ::GetWindowTextA(dialog, text, sizeof(text));
        caption = text;
        nameLimit = static_cast<int>(::SendDlgItemMessageA(dialog, IDC_TEMPLATE_NAME, EM_GETLIMITTEXT, 0, 0));
        contentLimit = static_cast<int>(::SendDlgItemMessageA(dialog, IDC_TEMPLATE_CONTENT, EM_GETLIMITTEXT, 0, 0));
        // Typed, a name stops at 29 characters, double-byte ones too.
        std::string han;
        for (int i = 0; i < 30; ++i) han += "\xD6\xD0";
        ::SendDlgItemMessageA(dialog, IDC_TEMPLATE_NAME, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(han.c_str()));
        typedName = ItemText(dialog, IDC_TEMPLATE_NAME);
        ::SetDlgItemTextA(dialog, IDC_TEMPLATE_NAME, "");
        ::SetDlgItemTextA(dialog, IDC_TEMPLATE_CONTENT, "first line \"q\"\r\n\tsecond 'line'");
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);  // no name yet
        stayedOpen = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
        ::SetDlgItemTextA(dialog, IDC_TEMPLATE_NAME, "a\"b");
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(ID_TEMPLATE_ADD);
    EXPECT_EQ(caption, LoadText(IDS_TEMPLATE_ADD_CAPTION));
    EXPECT_EQ(nameLimit, 29);
    EXPECT_EQ(contentLimit, 1023);
    EXPECT_EQ(typedName.size(), 58u);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, LoadText(IDS_TEMPLATE_NAME_EMPTY));
    EXPECT_EQ(boxes.boxes[0].caption, "Tarnwick");
    EXPECT_EQ(boxes.boxes[0].flags, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Names(), Texts{"a\"b"});
    EXPECT_EQ(Stored("SELECT Content FROM [My Snippets] WHERE Name='a\"b'"), "first line \"q\"\r\n\tsecond 'line'");
}

TEST_F(TemplatePaneTest, EditingLoadsTheRowAndARenameChangesIt) {
    SelectName("say \"hi\"");
    EXPECT_TRUE(Pane().CanEditOrDelete());
    std::string name, content;
    DriveNextDialog([&](HWND dialog) {
        name = ItemText(dialog, IDC_TEMPLATE_NAME);
        content = ItemText(dialog, IDC_TEMPLATE_CONTENT);
        ::SetDlgItemTextA(dialog, IDC_TEMPLATE_NAME, "greeting");
        ::SetDlgItemTextA(dialog, IDC_TEMPLATE_CONTENT, "hello");
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(ID_TEMPLATE_EDIT);
    EXPECT_EQ(name, "say \"hi\"");
    EXPECT_EQ(content, "hi \"there\"");
    EXPECT_EQ(Names(), (Texts{"first", "greeting"}));
    EXPECT_EQ(Stored("SELECT Content FROM Alpha WHERE Name='greeting'"), "hello");
    EXPECT_EQ(Stored("SELECT count(*) FROM Alpha"), "2");

    // Cancel stores nothing.
    SelectName("first");
    DriveNextDialog([](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_TEMPLATE_NAME, "changed");
        ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Command(ID_TEMPLATE_EDIT);
    EXPECT_EQ(Names(), (Texts{"first", "greeting"}));
}

TEST_F(TemplatePaneTest, DeletingAsksFirstAndRemovesOnlyThatRow) {
    SelectName("say \"hi\"");
    {
        MessageBoxRecorder no(SetMessageBoxHook, IDNO);
        Command(ID_TEMPLATE_DELETE);
        ASSERT_EQ(no.boxes.size(), 1u);
        EXPECT_EQ(Names(), (Texts{"first", "say \"hi\""}));
    }
    char question[256];
    snprintf(question, sizeof(question), LoadText(IDS_TEMPLATE_DELETE_ASK).c_str(), "say \"hi\"");
    MessageBoxRecorder yes(SetMessageBoxHook, IDYES);
    Command(ID_TEMPLATE_DELETE);
    ASSERT_EQ(yes.boxes.size(), 1u);
    EXPECT_EQ(yes.boxes[0].text, question);
    EXPECT_EQ(yes.boxes[0].caption, "Tarnwick");
    EXPECT_EQ(yes.boxes[0].flags, static_cast<UINT>(MB_ICONQUESTION | MB_YESNO));
    EXPECT_EQ(Names(), Texts{"first"});
    EXPECT_EQ(Stored("SELECT count(*) FROM Alpha"), "1");

    // With no name picked there is nothing to delete and nothing is asked.
    ::SendMessageA(Pane().List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Command(ID_TEMPLATE_DELETE);
    EXPECT_EQ(yes.boxes.size(), 1u);
}

// The states of the template menu's commands while it is open after a
// right click at the list point; the menu is closed again at once.
struct OpenedMenu {
    bool shown = false;
    UINT add = 0, edit = 0, remove = 0;
};

OpenedMenu RightClick(HWND list, POINT at) {
    static OpenedMenu* seen = nullptr;
    OpenedMenu menu;
    seen = &menu;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) {
        const HWND popup = ::FindWindowA("#32768", nullptr);
        if (!seen || !popup || !::IsWindowVisible(popup)) return;
        const HMENU shown = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
        seen->shown = shown != nullptr;
        const UINT grey = MF_GRAYED | MF_DISABLED;
        seen->add = ::GetMenuState(shown, ID_TEMPLATE_ADD, MF_BYCOMMAND) & grey;
        seen->edit = ::GetMenuState(shown, ID_TEMPLATE_EDIT, MF_BYCOMMAND) & grey;
        seen->remove = ::GetMenuState(shown, ID_TEMPLATE_DELETE, MF_BYCOMMAND) & grey;
        seen = nullptr;
        ::EndMenu();
    });
    ::SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    ::KillTimer(nullptr, timer);
    seen = nullptr;
    return menu;
}

TEST_F(TemplatePaneTest, ARightClickPicksTheNearestNameAndOffersOnlyWhatItCanDo) {
    RECT second{};
    ::SendMessageA(Pane().List(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    const OpenedMenu onName = RightClick(Pane().List(), POINT{second.left + 2, (second.top + second.bottom) / 2});
    EXPECT_EQ(::SendMessageA(Pane().List(), LB_GETCURSEL, 0, 0), 1);
    ASSERT_TRUE(onName.shown);
    EXPECT_EQ(onName.add | onName.edit | onName.remove, 0u);

    // Below the last name the nearest one is taken.
    RECT client{};
    ::GetClientRect(Pane().List(), &client);
    ::SendMessageA(Pane().List(), LB_SETCURSEL, 0, 0);
    RightClick(Pane().List(), POINT{2, client.bottom - 2});
    EXPECT_EQ(::SendMessageA(Pane().List(), LB_GETCURSEL, 0, 0), 1);

    ChooseCategory("My Snippets");
    const OpenedMenu empty = RightClick(Pane().List(), POINT{2, 2});
    ASSERT_TRUE(empty.shown);
    EXPECT_EQ(empty.add, 0u);
    EXPECT_NE(empty.edit, 0u);
    EXPECT_NE(empty.remove, 0u);
}

TEST_F(TemplatePaneTest, TheComboSitsOnTopAndTheListFillsTheRest) {
    ::SetWindowPos(Pane(), nullptr, 0, 0, 180, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    RECT client{}, combo{}, list{}, dropped{};
    ::GetClientRect(Pane(), &client);
    ::GetWindowRect(Pane().Combo(), &combo);
    ::GetWindowRect(Pane().List(), &list);
    ::SendMessageA(Pane().Combo(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    ::MapWindowPoints(nullptr, Pane(), reinterpret_cast<POINT*>(&combo), 2);
    ::MapWindowPoints(nullptr, Pane(), reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(combo.left, 0);
    EXPECT_EQ(combo.top, 0);
    EXPECT_EQ(combo.right, client.right);
    EXPECT_EQ(list.top, combo.bottom);
    EXPECT_EQ(list.right, client.right);
    EXPECT_EQ(list.bottom, client.bottom);
    // Room for about twelve categories when it drops.
    EXPECT_GT(dropped.bottom - dropped.top, 8 * (combo.bottom - combo.top) / 2);
}

TEST_F(TemplatePaneTest, ClosingRemembersTheCategory) {
    ChooseCategory("My Snippets");
    m_frame->DestroyWindow();
    Pump();
    EXPECT_EQ(g_appSettings->ReadString(ini::kUser, ini::kUserTemplate, "?"), "My Snippets");
}

TEST_F(TemplatePaneTest, TheShippedDatabaseHasItsCategories) {
    char program[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, program, sizeof(program));
    std::string shipped(program);
    shipped = shipped.substr(0, shipped.rfind('\\')) + "\\template.mdb";
    ASSERT_TRUE(::CopyFileA(shipped.c_str(), DatabasePath().c_str(), FALSE)) << shipped;
    Pane().FillTables();
    // 常用 in code page 936.
    EXPECT_EQ(Categories(), (Texts{"C++", "HTML", "Python", "\xB3\xA3\xD3\xC3"}));
    EXPECT_EQ(Category(), "C++");
    EXPECT_FALSE(Names().empty());
}

TEST_F(TemplatePaneTest, InsertingReindentsExpandsAndPutsTheCaretAtTheMarker) {
    g_appSettings->WriteString(ini::kUser, ini::kUserName, "Tester");
    CEditorView& view = NewDocument("        \nend", 8);  // 8 columns of blanks
    Insert("call");
    EXPECT_EQ(Text(view), "        call();\n\t\tnext(Tester);\nend");
    EXPECT_EQ(Caret(view), 13);  // between the parentheses
    EXPECT_EQ(::GetFocus(), view.Window());

    // Without a marker the caret stays at the start; Enter inserts too.
    view.Component().ReplaceAll("x");
    view.Send(SCI_GOTOPOS, 1);
    ChooseCategory("Code");
    SelectName("plain");
    ::SendMessageA(Pane(), WM_VKEYTOITEM, MAKEWPARAM(VK_RETURN, 0), reinterpret_cast<LPARAM>(Pane().List()));
    EXPECT_EQ(Text(view), "xalpha\nbeta");
    EXPECT_EQ(Caret(view), 1);
}

TEST_F(TemplatePaneTest, ATemplateReplacesTheSelectionAndOneUndoRestoresIt) {
    CEditorView& view = NewDocument("keep SELECTED keep", 0);
    view.Send(SCI_SETSEL, 5, 13);
    Insert("plain");
    EXPECT_EQ(Text(view), "keep alpha\nbeta keep");
    EXPECT_EQ(Caret(view), 5);
    view.Send(SCI_UNDO);
    EXPECT_EQ(Text(view), "keep SELECTED keep");
    EXPECT_FALSE(view.Send(SCI_CANUNDO));
}

TEST_F(TemplatePaneTest, ATemplateOverTwoBlocksKeepsItsOrder) {
    // 20 columns without tabs: every line after the first gets 20 blanks.
    CEditorView& view = NewDocument(std::string(20, ' '), 20);
    view.Send(SCI_SETUSETABS, 0);
    Insert("long");
    std::string expected(20, ' ');
    for (int i = 1; i <= 255; ++i) {
        char line[8];
        snprintf(line, sizeof(line), "%03d", i);
        if (i > 1) expected += "\n" + std::string(20, ' ');
        expected += line;
    }
    const std::string text = Text(view);
    ASSERT_GT(text.size(), 4096u);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(Caret(view), static_cast<int>(expected.size()));  // where the last line's marker was
    view.Send(SCI_UNDO);
    EXPECT_EQ(Text(view), std::string(20, ' '));
}

TEST_F(TemplatePaneTest, ADoubleByteTextGoesIntoAUnicodeDocumentConverted) {
    CEditorView& view = NewDocument("", 0);
    view.Send(SCI_SETCODEPAGE, SC_CP_UTF8);
    Insert("han");
    EXPECT_EQ(Text(view), "\xE4\xB8\xAD\xE6\x96\x87");  // 中文 in UTF-8
    EXPECT_EQ(Caret(view), 3);
    CEditorView& ansi = NewDocument("", 0);
    Insert("han");
    EXPECT_EQ(Text(ansi), "\xD6\xD0\xCE\xC4");  // and as it is in code page 936
    EXPECT_EQ(Caret(ansi), 2);
}

TEST_F(TemplatePaneTest, WithoutADocumentNothingIsInserted) {
    Insert("call");  // no document: nothing happens, nothing breaks
    EXPECT_EQ(m_frame->GetActiveMdiChild(), nullptr);
}

}  // namespace
