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
#include "resource.h"

namespace {

// The page shown in the dialog.
HWND ShownPage(HWND dialog) {
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = {};
        ::GetClassNameA(child, name, sizeof(name));
        if (std::string(name) == "#32770" && ::IsWindowVisible(child)) return child;
    }
    return nullptr;
}

bool Checked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }
bool Enabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }
bool ApplyEnabled(HWND dialog) { return Enabled(dialog, IDC_OPTIONS_APPLY); }

// A click as the user makes it: the button toggles and tells the page.
void Click(HWND page, int id) { ::SendDlgItemMessageA(page, id, BM_CLICK, 0, 0); }
void Type(HWND page, int id, const char* text) { ::SetDlgItemTextA(page, id, text); }
std::string Text(HWND page, int id) {
    char text[512] = {};
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
        {ID_OPTIONS_LAST, L"常规"},  // any other command of the range
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

}  // namespace
