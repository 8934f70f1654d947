// The template pane in a real main frame over a template database in the
// temporary program folder: the categories it lists and remembers, adding,
// editing and deleting through its dialog, and inserting into a document.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "ModalDialogDriver.h"
#include "TemplatePane.h"
#include "UiSeams.h"
#include "db_fixture.h"
#include "support.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

using Texts = std::vector<std::string>;

void Pump() { PumpFrameMessages(); }

std::string LoadText(UINT id) {
    char text[256] = {};
    ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof(text));
    return text;
}

std::string ItemText(HWND dialog, int id) {
    char text[2048] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

// Message boxes answered with a chosen button; their texts and captions kept.
struct AnsweredBoxes {
    explicit AnsweredBoxes(int answer) {
        Answer() = answer;
        Seen().clear();
        SetMessageBoxHook([](HWND, const char* text, const char* caption, UINT) {
            Seen().push_back(std::string(caption) + "|" + text);
            return Answer();
        });
    }
    ~AnsweredBoxes() { SetMessageBoxHook(nullptr); }
    static int& Answer() {
        static int answer = IDOK;
        return answer;
    }
    static Texts& Seen() {
        static Texts seen;
        return seen;
    }
};

class TemplatePaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::DeleteFileA(DatabasePath().c_str());
        const std::string columns(dovari_test::kTemplateColumns);
        dovari_test::MakeDatabase(DatabasePath(),
                                  "CREATE TABLE Alpha" + columns + "; CREATE TABLE Beta" + columns +
                                      "; CREATE TABLE [My Snippets]" + columns +
                                      "; INSERT INTO Alpha VALUES('first','1'),('say \"hi\"','hi \"there\"');"
                                      "INSERT INTO Beta VALUES('b','B');");
        g_appSettings->WriteString(ini::kUser, ini::kUserTemplate, "");
        g_appSettings->EditorMask = 0;
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        Pump();
        ASSERT_NE(m_frame->GetTemplatePane(), nullptr);
        ASSERT_TRUE(Pane().IsWindow());
    }
    void TearDown() override {
        if (m_frame->IsWindow()) {
            m_frame->CloseAllDocuments(true);
            m_frame->DestroyWindow();
        }
        Pump();
        g_mainFrame = nullptr;
        m_frame.reset();
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

    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(TemplatePaneTest, ListsTheCategoriesAndChoosesTheRememberedOne) {
    EXPECT_EQ(Categories(), (Texts{"Alpha", "Beta", "My Snippets"}));
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

TEST_F(TemplatePaneTest, AddingAsksForANameAndStoresTheTemplate) {
    AnsweredBoxes boxes(IDOK);
    ChooseCategory("My Snippets");
    EXPECT_TRUE(Pane().CanAdd());
    EXPECT_FALSE(Pane().CanEditOrDelete());
    std::string caption;
    bool stayedOpen = false;
    int nameLimit = 0, contentLimit = 0;
    DriveNextDialog([&](HWND dialog) {
        char text[64] = {};
        ::GetWindowTextA(dialog, text, sizeof(text));
        caption = text;
        nameLimit = static_cast<int>(::SendDlgItemMessageA(dialog, IDC_TEMPLATE_NAME, EM_GETLIMITTEXT, 0, 0));
        contentLimit = static_cast<int>(::SendDlgItemMessageA(dialog, IDC_TEMPLATE_CONTENT, EM_GETLIMITTEXT, 0, 0));
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
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(AnsweredBoxes::Seen(), Texts{"Tarnwick|" + LoadText(IDS_TEMPLATE_NAME_EMPTY)});
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
        AnsweredBoxes boxes(IDNO);
        Command(ID_TEMPLATE_DELETE);
        ASSERT_EQ(AnsweredBoxes::Seen().size(), 1u);
        EXPECT_EQ(Names(), (Texts{"first", "say \"hi\""}));
    }
    char question[256];
    snprintf(question, sizeof(question), LoadText(IDS_TEMPLATE_DELETE_ASK).c_str(), "say \"hi\"");
    AnsweredBoxes boxes(IDYES);
    Command(ID_TEMPLATE_DELETE);
    EXPECT_EQ(AnsweredBoxes::Seen(), Texts{std::string("Tarnwick|") + question});
    EXPECT_EQ(Names(), Texts{"first"});
    EXPECT_EQ(Stored("SELECT count(*) FROM Alpha"), "1");

    // With no name picked there is nothing to delete and nothing is asked.
    ::SendMessageA(Pane().List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Command(ID_TEMPLATE_DELETE);
    EXPECT_EQ(AnsweredBoxes::Seen().size(), 1u);
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

}  // namespace
