// The favourites page in the real options dialog: what it lists, New
// giving an entry of its own to edit, and Apply numbering the folders from
// "1" without gaps.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "AppSettings.h"
#include "IniKeys.h"
#include "ModalDialogDriver.h"
#include "OptionsPages.h"
#include "OptionsTestSupport.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

bool ToolbarEnabled(HWND page, int command) {
    return ::SendDlgItemMessageA(page, IDC_FAVORITES_TOOLBAR_BAR, TB_ISBUTTONENABLED, command, 0) != 0;
}

class FavoritesPageTest : public ::testing::Test {
protected:
    FavoritesPageTest() : settings(folder.Path().c_str()) {}
    void Open(std::function<void(HWND dialog, HWND page)> step) {
        DriveNextDialog([&](HWND dialog) { step(dialog, ShownPage(dialog)); });
        ShowOptions(ID_OPTIONS_FAVORITES, settings, host);
    }
    std::string Key(int key) const { return settings.ReadString(ini::kFavorite, std::to_string(key).c_str(), "(none)"); }

    TempFolder folder;
    CAppSettings settings;
    RecordingOptionsHost host;
};

TEST_F(FavoritesPageTest, NewIsAnEntryOfItsOwnAndApplyNumbersWithoutGaps) {
    for (auto [key, path] : {std::pair{1, "C:\\a"}, {2, "C:\\b"}, {3, "C:\\c"}, {5, "C:\\e"}})
        settings.WriteString(ini::kFavorite, std::to_string(key).c_str(), path);
    int listed = 0;
    std::string shown, afterDelete;
    Open([&](HWND dialog, HWND page) {
        HWND list = ::GetDlgItem(page, IDC_FAVORITES_LIST);
        listed = ListView_GetItemCount(list);
        ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
        char text[MAX_PATH] = {};
        ::GetDlgItemTextA(page, IDC_FAVORITES_PATH, text, sizeof(text));
        shown = text;
        ::SendMessageA(page, WM_COMMAND, ID_LIST_DELETE, 0);
        ::GetDlgItemTextA(page, IDC_FAVORITES_PATH, text, sizeof(text));
        afterDelete = text;
        ::SendMessageA(page, WM_COMMAND, ID_LIST_NEW, 0);
        ::SetDlgItemTextA(page, IDC_FAVORITES_PATH, "D:\\new");
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(3, listed) << "up to the first empty key";
    EXPECT_EQ("C:\\b", shown);
    EXPECT_EQ("C:\\a", afterDelete);
    EXPECT_EQ("C:\\a", Key(1));
    EXPECT_EQ("C:\\c", Key(2));
    EXPECT_EQ("D:\\new", Key(3));
    EXPECT_EQ("(none)", Key(4));
    EXPECT_EQ("(none)", Key(5));
}

TEST_F(FavoritesPageTest, TheToolbarFollowsTheListAndItsLimit) {
    for (int key = 1; key <= 100; ++key)
        settings.WriteString(ini::kFavorite, std::to_string(key).c_str(), ("C:\\f" + std::to_string(key)).c_str());
    bool newAtLimit = true, upOnFirst = true, downOnFirst = false, downOnLast = true, newAfterDelete = false;
    Open([&](HWND dialog, HWND page) {
        newAtLimit = ToolbarEnabled(page, ID_LIST_NEW);
        upOnFirst = ToolbarEnabled(page, ID_LIST_UP);
        downOnFirst = ToolbarEnabled(page, ID_LIST_DOWN);
        HWND list = ::GetDlgItem(page, IDC_FAVORITES_LIST);
        ListView_SetItemState(list, 99, LVIS_SELECTED, LVIS_SELECTED);
        downOnLast = ToolbarEnabled(page, ID_LIST_DOWN);
        ::SendMessageA(page, WM_COMMAND, ID_LIST_DELETE, 0);
        newAfterDelete = ToolbarEnabled(page, ID_LIST_NEW);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(newAtLimit);
    EXPECT_FALSE(upOnFirst);
    EXPECT_TRUE(downOnFirst);
    EXPECT_FALSE(downOnLast);
    EXPECT_TRUE(newAfterDelete);
    EXPECT_EQ("C:\\f100", Key(100)) << "Cancel wrote nothing";
}

}  // namespace
