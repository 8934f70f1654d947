// The Language menu on a real popup.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "LanguageMenu.h"
#include "PropertySets.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

struct MenuDestroyer {
    void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
using MenuPtr = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// A popup like the resource's Language popup: "&Hex" first.
MenuPtr LanguagePopup() {
    MenuPtr popup(::CreatePopupMenu());
    ::AppendMenuA(popup.get(), MF_STRING, ID_LANGUAGE_HEX, "&Hex");
    return popup;
}

struct Item {
    UINT id;
    UINT type;
    UINT state;
    std::string text;
};

Item ItemAt(HMENU menu, int position) {
    char text[256] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof(text);
    EXPECT_TRUE(::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info));
    return {info.wID, info.fType, info.fState, text};
}

std::vector<LanguageEntry> Languages(int count) {
    std::vector<LanguageEntry> table;
    for (int i = 0; i < count; ++i) {
        std::string number = std::to_string(i);
        table.push_back({"Lang" + number, "e" + number, ""});
    }
    return table;
}

TEST(LanguageMenuTest, AppendsAfterHexInTableOrder) {
    MenuPtr popup = LanguagePopup();
    std::vector<LanguageEntry> table = {{"Text", "txt", ""}, {"C/C++", "cpp", "cpp"}, {"&Python", "py", "python"}};
    EXPECT_EQ(FillLanguageMenu(popup.get(), table), 3);

    ASSERT_EQ(::GetMenuItemCount(popup.get()), 4);
    EXPECT_EQ(ItemAt(popup.get(), 0).id, static_cast<UINT>(ID_LANGUAGE_HEX));
    for (int i = 0; i < 3; ++i) {
        Item item = ItemAt(popup.get(), i + 1);
        EXPECT_EQ(item.id, static_cast<UINT>(ID_LANGUAGE_FIRST + i));
        EXPECT_EQ(item.type, static_cast<UINT>(MFT_STRING));
        EXPECT_EQ(item.state, 0u);
        EXPECT_EQ(item.text, table[static_cast<size_t>(i)].name);
    }
}

TEST(LanguageMenuTest, StopsAtTheEndOfTheLanguageRange) {
    const int limit = ID_LANGUAGE_LAST - ID_LANGUAGE_FIRST + 1;
    for (int count : {limit, limit + 1, limit + 20}) {
        MenuPtr popup = LanguagePopup();
        EXPECT_EQ(FillLanguageMenu(popup.get(), Languages(count)), limit) << count;
        ASSERT_EQ(::GetMenuItemCount(popup.get()), limit + 1);
        EXPECT_EQ(ItemAt(popup.get(), limit).id, static_cast<UINT>(ID_LANGUAGE_LAST));
        // The command after the range must stay unused.
        EXPECT_EQ(::GetMenuState(popup.get(), ID_LANGUAGE_LAST + 1, MF_BYCOMMAND), static_cast<UINT>(-1));
    }
}

TEST(LanguageMenuTest, StoreFillsFromItsTable) {
    TempFolder folder;
    folder.Write("root.properties", "menu.language=Text|txt|#Old|old|C|c|");
    CPropertySets sets;
    sets.Load(folder.Path());
    MenuPtr popup = LanguagePopup();
    sets.BuildLanguageMenu(popup.get());
    ASSERT_EQ(::GetMenuItemCount(popup.get()), 3);
    EXPECT_EQ(ItemAt(popup.get(), 2).text, "C");
    EXPECT_EQ(ItemAt(popup.get(), 2).id, static_cast<UINT>(ID_LANGUAGE_FIRST + 1));

    // Without languages the popup keeps only what it held.
    CPropertySets empty;
    MenuPtr bare = LanguagePopup();
    empty.BuildLanguageMenu(bare.get());
    EXPECT_EQ(::GetMenuItemCount(bare.get()), 1);
}

}  // namespace
