// The fonts page in the real options dialog: the categories the "FONT"
// section gives, the one shown first, showing a category without counting
// it as a change, and Apply writing the schemes loaded and no others.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "AppSettings.h"
#include "GdiHandles.h"
#include "IniKeys.h"
#include "ModalDialogDriver.h"
#include "OptionsPages.h"
#include "OptionsTestSupport.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

std::string Text(HWND page, int id) {
    char text[256] = {};
    ::GetDlgItemTextA(page, id, text, sizeof(text));
    return text;
}

// Chooses a combo item as the user does: the combo tells the page.
void Choose(HWND page, int id, int item) {
    ::SendDlgItemMessageA(page, id, CB_SETCURSEL, item, 0);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)::GetDlgItem(page, id));
}
int Find(HWND page, int id, const std::string& text) {
    return (int)::SendDlgItemMessageA(page, id, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text.c_str());
}

// A TrueType face of this system; tests assume no Windows face.
std::string TrueTypeFace() {
    std::string found;
    const CClientDc dc(nullptr);
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(
        dc, &all,
        [](const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM data) -> int {
            if (!(type & TRUETYPE_FONTTYPE) || font->lfFaceName[0] == '@') return 1;
            *reinterpret_cast<std::string*>(data) = font->lfFaceName;
            return 0;
        },
        (LPARAM)&found, 0);
    return found;
}

class FontPageTest : public ::testing::Test {
protected:
    FontPageTest() : settings(folder.Path().c_str()) {}
    void Open(std::function<void(HWND dialog, HWND page)> step) {
        DriveNextDialog([&](HWND dialog) { step(dialog, ShownPage(dialog)); });
        ShowOptions(ID_OPTIONS_FONTS, settings, host);
    }
    std::string Ini(const char* key) const { return settings.ReadString(ini::kFont, key, "(none)"); }

    TempFolder folder;
    CAppSettings settings;
    RecordingOptionsHost host;
};

TEST_F(FontPageTest, ShowsTheSchemesUpToTheFirstWithoutAFace) {
    settings.WriteString(ini::kFont, "1", "font:Alpha,size:10");
    settings.WriteString(ini::kFont, "2", "font:Beta,bold,fore:#FF0000");
    settings.WriteString(ini::kFont, "3", "font: gamma");
    settings.WriteInt(ini::kFont, ini::kFontCurSel, 7);  // past the schemes
    int categories = 0, shown = -1;
    std::string face[2], size[2], value;
    bool bold[2] = {}, applyEnabled = true;
    Open([&](HWND dialog, HWND page) {
        categories = (int)::SendDlgItemMessageA(page, IDC_FONT_CATEGORY, CB_GETCOUNT, 0, 0);
        shown = (int)::SendDlgItemMessageA(page, IDC_FONT_CATEGORY, CB_GETCURSEL, 0, 0);
        face[0] = Text(page, IDC_FONT_FACE);
        size[0] = Text(page, IDC_FONT_SIZE);
        bold[0] = ::IsDlgButtonChecked(page, IDC_FONT_BOLD) == BST_CHECKED;
        value = Text(page, IDC_FONT_VALUE);
        Choose(page, IDC_FONT_CATEGORY, 0);
        face[1] = Text(page, IDC_FONT_FACE);
        size[1] = Text(page, IDC_FONT_SIZE);
        bold[1] = ::IsDlgButtonChecked(page, IDC_FONT_BOLD) == BST_CHECKED;
        applyEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_OPTIONS_APPLY)) != FALSE;
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(2, categories);
    EXPECT_EQ(1, shown);
    EXPECT_EQ("Beta", face[0]);
    EXPECT_EQ("0", size[0]);
    EXPECT_TRUE(bold[0]);
    EXPECT_EQ("font:Beta,fore:#FF0000,bold", value);
    EXPECT_EQ("Alpha", face[1]);
    EXPECT_EQ("10", size[1]);
    EXPECT_FALSE(bold[1]);
    // Showing a category is no change: OK wrote nothing.
    EXPECT_FALSE(applyEnabled);
    EXPECT_EQ("font:Beta,bold,fore:#FF0000", Ini("2"));
    EXPECT_EQ(0, host.restyles);
}

TEST_F(FontPageTest, AFreshIniEditsTheDefaultSchemeAndLeavesLaterKeys) {
    const std::string face = TrueTypeFace();
    ASSERT_FALSE(face.empty());
    settings.WriteString(ini::kFont, "5", "font:kept");
    int sizes = 0;
    std::string value;
    Open([&](HWND dialog, HWND page) {
        EXPECT_EQ("fixedsys", Text(page, IDC_FONT_FACE));
        const int item = Find(page, IDC_FONT_FACE, face);
        ASSERT_GE(item, 0) << face;
        Choose(page, IDC_FONT_FACE, item);
        sizes = (int)::SendDlgItemMessageA(page, IDC_FONT_SIZE, CB_GETCOUNT, 0, 0);
        Choose(page, IDC_FONT_SIZE, Find(page, IDC_FONT_SIZE, "12"));
        ::SendDlgItemMessageA(page, IDC_FONT_BOLD, BM_CLICK, 0, 0);
        value = Text(page, IDC_FONT_VALUE);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(14, sizes);  // the fixed list of a TrueType face
    const std::string expected = "font:" + face + ",size:12,back:#CCE8CF,bold";
    EXPECT_EQ(expected, value);
    EXPECT_EQ(expected, Ini("1"));
    EXPECT_EQ("font:kept", Ini("5"));
    EXPECT_EQ("(none)", Ini("2"));
    EXPECT_EQ(1, host.restyles);
}

}  // namespace
