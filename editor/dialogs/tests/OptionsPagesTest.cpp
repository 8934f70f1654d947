// The options pages in the real dialog, opened by ShowOptions as the
// commands do and driven from a timer: what each page shows, what Apply
// stores in the settings and the ini file, and its enabling rules.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "AppSettings.h"
#include "ModalDialogDriver.h"
#include "OptionsPages.h"
#include "OptionsTestSupport.h"
#include "TempFolder.h"
#include "VariablesPage.h"
#include "resource.h"

namespace {

bool Checked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }
bool Enabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }
bool ApplyEnabled(HWND dialog) { return Enabled(dialog, IDC_OPTIONS_APPLY); }

// A click as the user makes it: the button toggles and tells the page.
void Click(HWND page, int id) { ::SendDlgItemMessageA(page, id, BM_CLICK, 0, 0); }
void Type(HWND page, int id, const char* text) { ::SetDlgItemTextA(page, id, text); }
std::string Text(HWND page, int id) {
    char text[2048] = {};
    ::GetDlgItemTextA(page, id, text, sizeof(text));
    return text;
}

class OptionsPagesTest : public ::testing::Test {
protected:
    OptionsPagesTest() : settings(folder.Path().c_str()) {}

    // Opens the dialog as command `command` does; `step` gets the dialog
    // and its shown page, and ends the dialog.
    INT_PTR Open(UINT command, std::function<void(HWND dialog, HWND page)> step) {
        DriveNextDialog([&](HWND dialog) { step(dialog, ShownPage(dialog)); });
        return ShowOptions(command, settings, host);
    }
    std::string Ini(const char* section, const char* key) const { return settings.ReadString(section, key, "(none)"); }
    // Every "SECTION/key" of the ini file, in file order.
    std::vector<std::string> IniKeys() const {
        std::vector<std::string> keys;
        std::string section;
        const std::string file = folder.Read(ini::kFileName);
        size_t at = 0;
        while (at < file.size()) {
            size_t end = file.find('\n', at);
            if (end == std::string::npos) end = file.size();
            std::string line = file.substr(at, end - at);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty() && line[0] == '[')
                section = line.substr(1, line.find(']') - 1);
            else if (line.find('=') != std::string::npos)
                keys.push_back(section + "/" + line.substr(0, line.find('=')));
            at = end + 1;
        }
        return keys;
    }
    void Press(HWND dialog, int id) { ::SendMessageA(dialog, WM_COMMAND, id, 0); }
    void End(HWND dialog, int id) { ::PostMessageA(dialog, WM_COMMAND, id, 0); }

    TempFolder folder;
    CAppSettings settings;
    RecordingOptionsHost host;
};

// ---- the frame over the real pages ----------------------------------------

TEST_F(OptionsPagesTest, EachCommandOpensItsPage) {
    const struct {
        UINT command;
        const wchar_t* title;
    } cases[] = {
        {ID_OPTIONS_GENERAL, L"常规"},
        {ID_OPTIONS_TOOLS, L"工具"},
        {ID_OPTIONS_KEYS, L"快捷键"},
        {ID_OPTIONS_FONTS, L"字体及颜色"},
        {ID_OPTIONS_FAVORITES, L"收藏夹"},
        {ID_OPTIONS_LAST, L"常规"},   // any other command of the range
    };
    for (const auto& c : cases) {
        std::string selected, caption;
        Open(c.command, [&](HWND dialog, HWND page) {
            selected = ListText(dialog, ListSelection(dialog));
            char text[64] = {};
            ::GetWindowTextA(page, text, sizeof(text));
            caption = text;
            End(dialog, IDCANCEL);
        });
        EXPECT_EQ(Ansi(c.title), selected) << c.command;
        EXPECT_EQ(Ansi(c.title), caption) << c.command;
    }
}

// Every page changed, then Cancel: nothing reaches the settings or the ini.
TEST_F(OptionsPagesTest, CancelWritesNothing) {
    settings.EditorMask = kMaskHighlightLine | kMaskShowEdge;
    const uint32_t mask = settings.EditorMask;
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND page) {
        Click(page, IDC_GENERAL_MULTI_INSTANCE);
        Type(page, IDC_GENERAL_MRU_SIZE, "5");
        SelectPage(dialog, 1);
        Type(ShownPage(dialog), IDC_EDITOR_TAB_SIZE, "9");
        Click(ShownPage(dialog), IDC_EDITOR_WRAP);
        SelectPage(dialog, 3);  // window colours, after the fonts page
        page = ShownPage(dialog);
        ::PostMessageA(page, WM_KEYDOWN, VK_RIGHT, 1);
        ::PostMessageA(page, WM_KEYDOWN, VK_RETURN, 1);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_COLOURS_FIND1_BACK, BN_CLICKED),
                       (LPARAM)::GetDlgItem(page, IDC_COLOURS_FIND1_BACK));
        SelectPage(dialog, 6);  // variables, after the keys and favourites pages
        Type(ShownPage(dialog), IDC_VARIABLES_USER, "Ada");
        SelectPage(dialog, 8);  // update, after the tools page
        Click(ShownPage(dialog), IDC_UPDATE_AT_START);
        End(dialog, IDCANCEL);
    });
    EXPECT_TRUE(IniKeys().empty());
    EXPECT_EQ(mask, settings.EditorMask);
    EXPECT_EQ(4, settings.TabSize);
    EXPECT_EQ(0xFFFFFFu, settings.Find1Back);
    EXPECT_TRUE(host.recentCounts.empty());
    EXPECT_EQ(0, host.restyles);
}

TEST_F(OptionsPagesTest, TheListHoldsThePageTitlesInOrder) {
    const wchar_t* titles[] = {L"常规", L"编辑", L"字体及颜色", L"窗口颜色", L"快捷键", L"收藏夹", L"变量", L"工具", L"自动升级"};
    std::vector<std::string> listed;
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
        const int count = (int)::SendDlgItemMessageA(dialog, IDC_OPTIONS_LIST, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) listed.push_back(ListText(dialog, i));
        End(dialog, IDCANCEL);
    });
    ASSERT_EQ(std::size(titles), listed.size());
    for (size_t i = 0; i < listed.size(); ++i) EXPECT_EQ(Ansi(titles[i]), listed[i]) << i;
}

// ---- general page -----------------------------------------------------------

TEST_F(OptionsPagesTest, GeneralPageShowsAndStoresItsBits) {
    const struct {
        int id;
        uint32_t bit;
    } checks[] = {{IDC_GENERAL_MULTI_INSTANCE, kMaskMultipleInstances}, {IDC_GENERAL_MAXIMIZED, kMaskOpenMaximized},
                  {IDC_GENERAL_FULL_PATH, kMaskFullPathTitle},          {IDC_GENERAL_NEW_AT_START, kMaskNewDocumentAtStart},
                  {IDC_GENERAL_TABS_AT_BOTTOM, kMaskTabsAtBottom},      {IDC_GENERAL_CLOSE_FIND, kMaskCloseFindDialogs}};
    const uint32_t pageBits = 0x11F;
    const struct {
        uint32_t mask;
        int radio;        // checked at opening; 0 for none
        uint32_t stored;  // after a change that puts every control back
    } cases[] = {
        {0, IDC_GENERAL_DBLCLK_OPEN, 0},
        {pageBits | 0x40, IDC_GENERAL_DBLCLK_NEW, pageBits | 0x40},
        // Bits of other pages and of no page stay as they were.
        {0x80 | kMaskHideTabs | kMaskWrap, IDC_GENERAL_DBLCLK_NOTHING, 0x80 | kMaskHideTabs | kMaskWrap},
        // 3 checks no radio button, and none checked stores 0.
        {0xC0 | kMaskOpenMaximized, 0, kMaskOpenMaximized},
    };
    for (const auto& c : cases) {
        settings.EditorMask = c.mask;
        bool shown = true;
        Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND page) {
            for (const auto& check : checks) shown = shown && Checked(page, check.id) == ((c.mask & check.bit) != 0);
            for (int radio : {IDC_GENERAL_DBLCLK_OPEN, IDC_GENERAL_DBLCLK_NEW, IDC_GENERAL_DBLCLK_NOTHING})
                shown = shown && Checked(page, radio) == (radio == c.radio);
            Click(page, IDC_GENERAL_FULL_PATH);
            Click(page, IDC_GENERAL_FULL_PATH);
            End(dialog, IDOK);
        });
        EXPECT_TRUE(shown) << std::hex << c.mask;
        EXPECT_EQ(c.stored, settings.EditorMask) << std::hex << c.mask;
    }
    // Each check box and radio button reaches its own bit.
    settings.EditorMask = 0;
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND page) {
        for (const auto& check : checks) Click(page, check.id);
        Click(page, IDC_GENERAL_DBLCLK_NOTHING);
        End(dialog, IDOK);
    });
    EXPECT_EQ(pageBits | 0x80, settings.EditorMask);
    // The mask reaches the ini only at exit.
    EXPECT_EQ("(none)", Ini(ini::kEditor, ini::kEditorMask));
}

TEST_F(OptionsPagesTest, GeneralPageRecentCountCountsOnlyWhenItDiffers) {
    settings.WriteInt(ini::kEditor, ini::kMruSize, 9);
    const struct {
        const char* typed;
        bool changes;
        int stored;
    } cases[] = {{"9", false, 0}, {"10", true, 10}, {"40", true, 16}, {"1", true, 2}, {"", true, 12}};
    for (const auto& c : cases) {
        host.recentCounts.clear();
        bool enabled = true, shown = false;
        Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND page) {
            shown = Text(page, IDC_GENERAL_MRU_SIZE) == "9";
            enabled = ApplyEnabled(dialog);
            Type(page, IDC_GENERAL_MRU_SIZE, c.typed);
            enabled = enabled || ApplyEnabled(dialog) != c.changes;
            End(dialog, IDOK);
        });
        EXPECT_TRUE(shown);
        EXPECT_FALSE(enabled) << c.typed;
        if (c.changes)
            EXPECT_EQ(std::vector<int>{c.stored}, host.recentCounts) << c.typed;
        else
            EXPECT_TRUE(host.recentCounts.empty()) << c.typed;
    }
}

// ---- editor page --------------------------------------------------------------

constexpr int kEditorItem = 1;  // its place in the list

TEST_F(OptionsPagesTest, EditorPageStoresWidthsWithinTheLoadersRanges) {
    const struct {
        int id;
        const char* key;
        const char* typed;
        const char* stored;
    } cases[] = {
        {IDC_EDITOR_TAB_SIZE, ini::kTabSize, "8", "8"},
        {IDC_EDITOR_TAB_SIZE, ini::kTabSize, "x", "4"},
        {IDC_EDITOR_TAB_SIZE, ini::kTabSize, "256", "255"},  // not 0: no wrap at a byte
        {IDC_EDITOR_TAB_SIZE, ini::kTabSize, "0", "1"},
        {IDC_EDITOR_INDENT_SIZE, ini::kIndentSize, "300", "255"},
        {IDC_EDITOR_INDENT_SIZE, ini::kIndentSize, "", "4"},
        {IDC_EDITOR_ALPHA, ini::kLineTransparent, "x", "24"},
        {IDC_EDITOR_ALPHA, ini::kLineTransparent, "150", "100"},
        {IDC_EDITOR_ALPHA, ini::kLineTransparent, "37", "37"},
        {IDC_EDITOR_EDGE_POS, ini::kLineEdgePos, "x", "90"},
        {IDC_EDITOR_EDGE_POS, ini::kLineEdgePos, "500", "300"},
        {IDC_EDITOR_EDGE_POS, ini::kLineEdgePos, "0", "1"},
        {IDC_EDITOR_EDGE_POS, ini::kLineEdgePos, "120", "120"},
    };
    settings.EditorMask = kMaskHighlightLine | kMaskShowEdge;
    for (const auto& c : cases) {
        host.restyles = 0;
        Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
            SelectPage(dialog, kEditorItem);
            Type(ShownPage(dialog), c.id, c.typed);
            Press(dialog, IDC_OPTIONS_APPLY);
            End(dialog, IDOK);
        });
        EXPECT_EQ(c.stored, Ini(ini::kEditor, c.key)) << c.key << " " << c.typed;
        // Apply and OK both stored the page; the documents are restyled once.
        EXPECT_EQ(1, host.restyles);
        // What was stored is what the settings read back.
        CAppSettings reread(folder.Path().c_str());
        const int values[] = {reread.TabSize, reread.IndentSize, reread.LineTransparent, reread.LineEdgePos};
        const int fields[] = {settings.TabSize, settings.IndentSize, settings.LineTransparent, settings.LineEdgePos};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(fields[i], values[i]) << c.key << " " << c.typed;
    }
    // Exactly the page's own keys.
    EXPECT_EQ((std::vector<std::string>{"EDITOR/HighLightColor", "EDITOR/LineEdgeColor", "EDITOR/TabSize",
                                        "EDITOR/IndentSize", "EDITOR/LineTransparent", "EDITOR/LineEdgePos"}),
              IniKeys());
    // The colour keys are written with the values they had: their buttons
    // were left automatic.
    EXPECT_EQ(std::to_string(settings.HighLightColor), Ini(ini::kEditor, ini::kHighLightColor));
    EXPECT_EQ("16767738", Ini(ini::kEditor, ini::kLineEdgeColor));
}

TEST_F(OptionsPagesTest, EditorPageStoresItsBitsAndRadioButtons) {
    const uint32_t start = kMaskShowEdge | kMaskEdgeLine | kMaskIndentSpaces | kMaskTabsAtBottom;
    const uint32_t kept = kMaskShowEdge | kMaskTabsAtBottom | kMaskWrap;  // Wrap is clicked on
    const struct {
        int radio;
        uint32_t stored;
    } cases[] = {
        {IDC_EDITOR_INDENT_PROPERTIES, kept | kMaskEdgeLine},
        {IDC_EDITOR_INDENT_SPACES, kept | kMaskEdgeLine | kMaskIndentSpaces},
        {IDC_EDITOR_INDENT_TABS, kept | kMaskEdgeLine | kMaskIndentTabs},
        {IDC_EDITOR_EDGE_LINE, kept | kMaskEdgeLine | kMaskIndentSpaces},
        {IDC_EDITOR_EDGE_BACKGROUND, kept | kMaskIndentSpaces},
    };
    for (const auto& c : cases) {
        settings.EditorMask = start;
        Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
            SelectPage(dialog, kEditorItem);
            HWND page = ShownPage(dialog);
            Click(page, c.radio);
            Click(page, IDC_EDITOR_WRAP);
            End(dialog, IDOK);
        });
        EXPECT_EQ(c.stored, settings.EditorMask) << c.radio;
    }
}

TEST_F(OptionsPagesTest, EditorPageEnablingRules) {
    const int edgeControls[] = {IDC_EDITOR_EDGE_POS,  IDC_EDITOR_EDGE_SPIN,  IDC_EDITOR_EDGE_BACKGROUND,
                                IDC_EDITOR_EDGE_LINE, IDC_EDITOR_EDGE_COLOR, IDC_EDITOR_EDGE_POS_LABEL,
                                IDC_EDITOR_EDGE_COLOR_LABEL};
    const int lineControls[] = {IDC_EDITOR_TRANSPARENT, IDC_EDITOR_ALPHA, IDC_EDITOR_LINE_COLOR,
                                IDC_EDITOR_LINE_COLOR_LABEL};
    const struct {
        uint32_t mask;
        bool edge, line, slider;
    } cases[] = {
        {0, false, false, false},
        {kMaskShowEdge, true, false, false},
        {kMaskHighlightLine, false, true, false},
        {kMaskTransparentLine, false, false, false},  // transparent, but no current line
        {kMaskHighlightLine | kMaskTransparentLine, false, true, true},
    };
    for (const auto& c : cases) {
        settings.EditorMask = c.mask;
        bool matches = true;
        bool afterClicks = true;
        Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
            SelectPage(dialog, kEditorItem);
            HWND page = ShownPage(dialog);
            for (int id : edgeControls) matches = matches && Enabled(page, id) == c.edge;
            for (int id : lineControls) matches = matches && Enabled(page, id) == c.line;
            matches = matches && Enabled(page, IDC_EDITOR_ALPHA_SLIDER) == c.slider;
            // The rules follow the clicks.
            Click(page, IDC_EDITOR_EDGE);
            Click(page, IDC_EDITOR_CURRENT_LINE);
            for (int id : edgeControls) afterClicks = afterClicks && Enabled(page, id) == !c.edge;
            for (int id : lineControls) afterClicks = afterClicks && Enabled(page, id) == !c.line;
            const bool slider = !c.line && (c.mask & kMaskTransparentLine);
            afterClicks = afterClicks && Enabled(page, IDC_EDITOR_ALPHA_SLIDER) == slider;
            End(dialog, IDCANCEL);
        });
        EXPECT_TRUE(matches) << std::hex << c.mask;
        EXPECT_TRUE(afterClicks) << std::hex << c.mask;
    }
}

TEST_F(OptionsPagesTest, EditorPageSliderWritesItsEditAndCountsAsAChange) {
    settings.EditorMask = kMaskHighlightLine | kMaskTransparentLine;
    settings.LineTransparent = 10;
    std::string shown, moved;
    bool enabledBefore = true, enabledAfter = false;
    int followed = -1;
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
        SelectPage(dialog, kEditorItem);
        HWND page = ShownPage(dialog);
        HWND slider = ::GetDlgItem(page, IDC_EDITOR_ALPHA_SLIDER);
        shown = Text(page, IDC_EDITOR_ALPHA);
        enabledBefore = ApplyEnabled(dialog);
        ::SendMessageA(slider, TBM_SETPOS, TRUE, 60);
        ::SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 60), (LPARAM)slider);
        moved = Text(page, IDC_EDITOR_ALPHA);
        enabledAfter = ApplyEnabled(dialog);
        Type(page, IDC_EDITOR_ALPHA, "70");
        followed = (int)::SendMessageA(slider, TBM_GETPOS, 0, 0);
        End(dialog, IDCANCEL);
    });
    EXPECT_EQ("10", shown);
    EXPECT_FALSE(enabledBefore);
    EXPECT_EQ("60", moved);
    EXPECT_TRUE(enabledAfter);
    EXPECT_EQ(70, followed);
    // Cancel without Apply stores nothing and restyles nothing.
    EXPECT_EQ("(none)", Ini(ini::kEditor, ini::kLineTransparent));
    EXPECT_EQ(0, host.restyles);
}

// A colour picked on the page: keys posted ahead are read by the popup's loop.
TEST_F(OptionsPagesTest, EditorPageColourButtonsStoreTheColourPicked) {
    settings.EditorMask = kMaskHighlightLine | kMaskShowEdge;
    settings.HighLightColor = 0x123456;  // the button starts automatic, showing it
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
        SelectPage(dialog, kEditorItem);
        HWND page = ShownPage(dialog);
        HWND button = ::GetDlgItem(page, IDC_EDITOR_LINE_COLOR);
        for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_RETURN}) ::PostMessageA(page, WM_KEYDOWN, key, 1);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_EDITOR_LINE_COLOR, BN_CLICKED), (LPARAM)button);
        Press(dialog, IDC_OPTIONS_APPLY);
        End(dialog, IDOK);
    });
    // automatic -> cell 0 -> cell 1 ("Brown").
    EXPECT_EQ(0x002AA5u, settings.HighLightColor);
    EXPECT_EQ(std::to_string(0x002AA5), Ini(ini::kEditor, ini::kHighLightColor));
    EXPECT_EQ(1, host.restyles);
}

// Cancel after Apply keeps what Apply stored, and the documents show it.
TEST_F(OptionsPagesTest, CancelAfterApplyKeepsTheStoredValuesAndRestyles) {
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
        SelectPage(dialog, kEditorItem);
        Type(ShownPage(dialog), IDC_EDITOR_TAB_SIZE, "6");
        Press(dialog, IDC_OPTIONS_APPLY);
        Type(ShownPage(dialog), IDC_EDITOR_TAB_SIZE, "7");
        End(dialog, IDCANCEL);
    });
    EXPECT_EQ("6", Ini(ini::kEditor, ini::kTabSize));
    EXPECT_EQ(6, settings.TabSize);
    EXPECT_EQ(1, host.restyles);
    // A change on another page alone restyles nothing.
    host.restyles = 0;
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND page) {
        Click(page, IDC_GENERAL_MAXIMIZED);
        End(dialog, IDOK);
    });
    EXPECT_EQ(0, host.restyles);
}

// ---- window colours page ----------------------------------------------------

constexpr int kColoursItem = 3;  // after the fonts page

int g_recolours = 0;
void CountRecolour(const CAppSettings&) { ++g_recolours; }

TEST_F(OptionsPagesTest, ColoursPageWritesAllEightKeysBacksFirst) {
    settings.SymbolBack = 0x445566;
    settings.Find2Fore = 0x0000FF;  // cell 16 ("Red")
    g_recolours = 0;
    SetPaneRecolourHook(CountRecolour);
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
        SelectPage(dialog, kColoursItem);
        HWND page = ShownPage(dialog);
        // automatic -> cell 0 -> cell 8 ("Dark red") on Find1Fore.
        for (WPARAM key : {VK_RIGHT, VK_DOWN, VK_RETURN}) ::PostMessageA(page, WM_KEYDOWN, key, 1);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_COLOURS_FIND1_FORE, BN_CLICKED),
                       (LPARAM)::GetDlgItem(page, IDC_COLOURS_FIND1_FORE));
        End(dialog, IDOK);
    });
    SetPaneRecolourHook(nullptr);
    EXPECT_EQ(1, g_recolours);
    EXPECT_EQ(0x00008Bu, settings.Find1Fore);
    // The buttons left automatic keep the values their keys had.
    EXPECT_EQ(0x445566u, settings.SymbolBack);
    EXPECT_EQ(0x0000FFu, settings.Find2Fore);
    const char* order[] = {ini::kTemplateBack, ini::kSymbolBack, ini::kFind1Back, ini::kFind2Back,
                           ini::kTemplateFore, ini::kSymbolFore, ini::kFind1Fore, ini::kFind2Fore};
    const std::string file = folder.Read(ini::kFileName);
    size_t at = 0;
    for (const char* key : order) {
        const size_t found = file.find(std::string(key) + "=", at);
        ASSERT_NE(std::string::npos, found) << key << " after " << at << " in " << file;
        at = found;
    }
    EXPECT_EQ(std::to_string(0x445566), Ini(ini::kEditor, ini::kSymbolBack));
    EXPECT_EQ(std::to_string(0x00008B), Ini(ini::kEditor, ini::kFind1Fore));
    EXPECT_EQ("0", Ini(ini::kEditor, ini::kTemplateFore));
}

TEST_F(OptionsPagesTest, ColoursPageUnchangedWritesNothing) {
    g_recolours = 0;
    SetPaneRecolourHook(CountRecolour);
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
        SelectPage(dialog, kColoursItem);
        HWND page = ShownPage(dialog);
        // Opened and abandoned: no colour change, so no page change.
        ::PostMessageA(page, WM_KEYDOWN, VK_ESCAPE, 1);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_COLOURS_SYMBOL_BACK, BN_CLICKED),
                       (LPARAM)::GetDlgItem(page, IDC_COLOURS_SYMBOL_BACK));
        End(dialog, IDOK);
    });
    SetPaneRecolourHook(nullptr);
    EXPECT_EQ(0, g_recolours);
    EXPECT_EQ("(none)", Ini(ini::kEditor, ini::kSymbolBack));
}

// ---- variables page ------------------------------------------------------------

constexpr int kVariablesItem = 6;  // after the fonts, keys and favourites pages

TEST_F(OptionsPagesTest, VariablesPageKeepsWhatAnEmptiedFieldHad) {
    settings.WriteString(ini::kUser, ini::kUserName, "Ada");
    std::string shown[4];
    Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
        SelectPage(dialog, kVariablesItem);
        HWND page = ShownPage(dialog);
        shown[0] = Text(page, IDC_VARIABLES_USER);
        shown[1] = Text(page, IDC_VARIABLES_COMPANY);
        shown[2] = Text(page, IDC_VARIABLES_EMAIL);
        shown[3] = Text(page, IDC_VARIABLES_HELP);
        Type(page, IDC_VARIABLES_USER, "");
        Type(page, IDC_VARIABLES_EMAIL, "ada@example.org");
        End(dialog, IDOK);
    });
    EXPECT_EQ("Ada", shown[0]);
    EXPECT_EQ("YourCompany", shown[1]);
    EXPECT_EQ("YourEmail", shown[2]);
    EXPECT_EQ(CVariablesPage::kHelpText, shown[3]);
    EXPECT_EQ("Ada", Ini(ini::kUser, ini::kUserName));
    EXPECT_EQ("ada@example.org", Ini(ini::kUser, ini::kUserEmail));
    // Unchanged but not empty: written as shown.
    EXPECT_EQ("YourCompany", Ini(ini::kUser, ini::kUserCompany));
}

TEST(VariablesPageHelp, ListsEveryMacroAsMacroTabArrowValue) {
    const std::string help = CVariablesPage::kHelpText;
    for (const char* line : {"\t$(FILE)\t-> C:\\", "\t$(FILE_EXT)\t-> txt\r\n", "\t$(MONTH_02)\t-> 08\r\n",
                             "\t$(DATENAME)\t-> Aug-08-2008\r\n", "\r\n\r\nMisc:\r\n",
                             "\tUPPER(FILE_EXT)\t-> TXT"})
        EXPECT_NE(std::string::npos, help.find(line)) << line;
    EXPECT_EQ(0u, help.find("File Macro Variables:"));
    EXPECT_EQ(std::string::npos, help.find('\n', help.find("TXT")));
}

// ---- update page ----------------------------------------------------------------

constexpr int kUpdateItem = 8;  // after the fonts, keys, favourites and tools pages

TEST_F(OptionsPagesTest, UpdatePageStoresTheIntervalTheSettingsReadBack) {
    const struct {
        const char* typed;
        int stored;
    } cases[] = {{"0", 3}, {"45", 3}, {"30", 30}, {"1", 1}, {"x", 3}, {"-2", 3}};
    for (const auto& c : cases) {
        settings.EditorMask = 0;
        Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
            SelectPage(dialog, kUpdateItem);
            HWND page = ShownPage(dialog);
            Click(page, IDC_UPDATE_AT_START);
            Type(page, IDC_UPDATE_INTERVAL, c.typed);
            End(dialog, IDOK);
        });
        EXPECT_EQ(std::to_string(c.stored), Ini(ini::kUpdate, ini::kUpdateInterval)) << c.typed;
        EXPECT_EQ(c.stored, settings.UpdateInterval) << c.typed;
        EXPECT_EQ((uint32_t)kMaskUpdateAtStart, settings.EditorMask) << c.typed;
        EXPECT_EQ(c.stored, CAppSettings(folder.Path().c_str()).UpdateInterval) << c.typed;
    }
    EXPECT_EQ((std::vector<std::string>{"UPDATE/UpdateInterval"}), IniKeys());
}

TEST_F(OptionsPagesTest, UpdatePageEnablingAndCheckNow) {
    const int intervalControls[] = {IDC_UPDATE_INTERVAL, IDC_UPDATE_SPIN, IDC_UPDATE_LABEL_BEFORE,
                                    IDC_UPDATE_LABEL_AFTER};
    for (bool offered : {false, true}) {
        host.updateCheckOffered = offered;
        host.updateChecks.clear();
        settings.EditorMask = 0;
        bool disabledAtFirst = true, enabledAfterClick = true, checkEnabled = !offered, applyEnabled = true;
        Open(ID_OPTIONS_GENERAL, [&](HWND dialog, HWND) {
            SelectPage(dialog, kUpdateItem);
            HWND page = ShownPage(dialog);
            for (int id : intervalControls) disabledAtFirst = disabledAtFirst && !Enabled(page, id);
            checkEnabled = Enabled(page, IDC_UPDATE_CHECK_NOW);
            if (offered) Click(page, IDC_UPDATE_CHECK_NOW);
            applyEnabled = ApplyEnabled(dialog);
            Click(page, IDC_UPDATE_AT_START);
            for (int id : intervalControls) enabledAfterClick = enabledAfterClick && Enabled(page, id);
            End(dialog, IDCANCEL);
        });
        EXPECT_TRUE(disabledAtFirst);
        EXPECT_TRUE(enabledAfterClick);
        EXPECT_EQ(offered, checkEnabled);
        // "Check now" is no change of the page.
        EXPECT_FALSE(applyEnabled);
        if (offered) EXPECT_EQ((std::vector<std::pair<bool, bool>>{{true, false}}), host.updateChecks);
    }
}

}  // namespace
