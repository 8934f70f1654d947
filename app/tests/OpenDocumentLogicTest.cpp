// Choosing the view for a file, the recent-file list and the dialogs' filter.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "FileFilter.h"
#include "OpenChoice.h"
#include "OpenRefusal.h"
#include "RecentFiles.h"

namespace {

TEST(OpenRefusal, DeviceNamesAndOverlongPathsAreRefusedByName) {
    const struct {
        std::string path;
        OpenRefusal expected;
    } rows[] = {
        {"CON", kOpenDeviceName},
        {"con", kOpenDeviceName},
        {"C:\\work\\aux.txt", kOpenDeviceName},
        {"sub/COM1", kOpenDeviceName},
        {"NUL:", kOpenDeviceName},
        {"lpt9.tar.gz", kOpenDeviceName},
        {"CON .c", kOpenDeviceName},
        {"\\\\.\\pipe\\x", kOpenDeviceName},
        {"C:\\CONFIG.SYS", kOpenAllowed},
        {"COM0", kOpenAllowed},
        {"COM10", kOpenAllowed},
        {"C:\\con\\a.txt", kOpenAllowed},  // a folder of that name holds ordinary files
        {"consoles.c", kOpenAllowed},
        {"C:\\" + std::string(kLongestPath - 3, 'a'), kOpenAllowed},
        {"C:\\" + std::string(kLongestPath - 2, 'a'), kOpenPathTooLong},
    };
    for (const auto& row : rows) EXPECT_EQ(CheckOpenName(row.path), row.expected) << row.path;
}

TEST(OpenChoice, SizeHeadAndOpenTypeDecideTheView) {
    auto bytes = [](size_t length, std::vector<std::pair<size_t, unsigned char>> set = {}) {
        std::vector<unsigned char> head(length, 'a');
        for (auto [at, value] : set) head[at] = value;
        return head;
    };
    const struct {
        const char* name;
        uint64_t size;
        std::vector<unsigned char> head;
        EncodingCode openType;
        bool binary;
        EncodingCode passedType;
    } rows[] = {
        {"63 zero bytes", 63, std::vector<unsigned char>(63, 0), kEncodingDefault, false, kEncodingDefault},
        {"NUL pair at 62-63", 64, bytes(64, {{62, 0}, {63, 0}}), kEncodingDefault, true, kEncodingDefault},
        {"single NUL at 63", 64, bytes(64, {{63, 0}}), kEncodingDefault, false, kEncodingDefault},
        {"over 50 MiB", 52428801, bytes(64), kEncodingDefault, true, kEncodingAnsi},
        {"exactly 50 MiB", 52428800, bytes(64), kEncodingDefault, false, kEncodingDefault},
        {"over 4 GiB", 0x100000010ULL, bytes(64), kEncodingDefault, true, kEncodingAnsi},
        {"the hex view asked for", 10, bytes(10), kEncodingBinary, true, kEncodingAnsi},
        {"UTF-8 asked for, never sniffed", 64, std::vector<unsigned char>(64, 0), kEncodingUtf8, false, kEncodingUtf8},
        {"UTF-16LE with BOM", 64, bytes(64, {{0, 0xFF}, {1, 0xFE}, {3, 0}, {4, 0}}), kEncodingDefault, false, kEncodingDefault},
        {"UTF-16BE with BOM", 64, bytes(64, {{0, 0xFE}, {1, 0xFF}, {2, 0}, {3, 0}}), kEncodingDefault, false, kEncodingDefault},
        {"UTF-8 with BOM", 64, bytes(64, {{0, 0xEF}, {1, 0xBB}, {2, 0xBF}, {9, 0}, {10, 0}}), kEncodingDefault, false, kEncodingDefault},
    };
    for (const auto& row : rows) {
        const OpenChoice choice = ChooseOpenView(row.size, row.head.data(), row.head.size(), row.openType);
        EXPECT_EQ(choice.binary, row.binary) << row.name;
        EXPECT_EQ(choice.openType, row.passedType) << row.name;
    }
}

std::vector<std::string> Entries(const CRecentFiles& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.push_back(list.Newest(i));
    return entries;
}

TEST(RecentFiles, DuplicatesMoveAndAFullListDropsTheOldest) {
    CRecentFiles list;
    list.SetMaxCount(3);
    for (const char* path : {"C:\\a", "C:\\b", "C:\\c"}) list.Add(path);
    list.Add("c:\\A");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"c:\\A", "C:\\c", "C:\\b"}));
    list.Add("C:\\d");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"C:\\d", "c:\\A", "C:\\c"}));
    list.RemoveNewest(1);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"C:\\d", "C:\\c"}));
}

TEST(RecentFiles, TheMaximumIsClampedToTwoThroughSixteen) {
    const struct { int asked, held; } rows[] = {{20, 16}, {1, 2}, {12, 12}};
    for (const auto& row : rows) {
        CRecentFiles list;
        list.SetMaxCount(row.asked);
        for (int i = 0; i < 30; ++i) list.Add("C:\\f" + std::to_string(i));
        EXPECT_EQ(list.Count(), row.held) << row.asked;
        EXPECT_EQ(list.Newest(0), "C:\\f29");
    }
}

std::string MenuText(HMENU menu, int position) {
    char text[512] = {};
    ::GetMenuStringA(menu, (UINT)position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

TEST(RecentFiles, TheMenuShowsNewestFirstAndAnEmptyListOneGrayedItem) {
    HMENU menu = ::CreatePopupMenu();
    CRecentFiles list;
    list.FillMenu(menu, 0xE110, "(empty)");
    ASSERT_EQ(::GetMenuItemCount(menu), 1);
    EXPECT_EQ(MenuText(menu, 0), "(empty)");
    EXPECT_TRUE(::GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);

    list.Add("C:\\old.txt");
    list.Add("C:\\R&D\\new.txt");
    list.FillMenu(menu, 0xE110, "(empty)");
    ASSERT_EQ(::GetMenuItemCount(menu), 2);
    EXPECT_EQ(MenuText(menu, 0), "&1 C:\\R&&D\\new.txt");
    EXPECT_EQ(MenuText(menu, 1), "&2 C:\\old.txt");
    EXPECT_EQ(::GetMenuItemID(menu, 1), 0xE111u);
    ::DestroyMenu(menu);
}

// HKEY_CURRENT_USER redirected to a scratch key for the test.
class ScratchUserKey {
public:
    ScratchUserKey() {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TarnwickTest\\RecentScratch", 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &m_key, nullptr);
    }
    ~ScratchUserKey() {
        ::RegCloseKey(m_key);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TarnwickTest");
    }
    HKEY Key() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

TEST(RecentFiles, RegistryRoundTripDeletesStaleValues) {
    ScratchUserKey scratch;
    CRecentFiles full;
    full.SetMaxCount(16);
    for (int i = 1; i <= 16; ++i) full.Add("C:\\f" + std::to_string(i));
    ASSERT_TRUE(full.Write(scratch.Key()));
    full.RemoveNewest(15);  // the oldest, Document16
    ASSERT_TRUE(full.Write(scratch.Key()));

    CRecentFiles read;
    ASSERT_TRUE(read.Read(scratch.Key()));
    EXPECT_EQ(read.MaxCount(), 16);
    EXPECT_EQ(Entries(read), Entries(full));
}

TEST(RecentFiles, WithoutDocumentCountNothingIsRead) {
    ScratchUserKey scratch;
    CRecentFiles list;
    list.Add("C:\\kept");
    EXPECT_FALSE(list.Read(scratch.Key()));
    EXPECT_EQ(Entries(list), std::vector<std::string>{"C:\\kept"});
}

TEST(FileFilter, SectionLinesOrTheFallback) {
    const std::string fromSection = BuildFileFilter(std::string("Text|*.txt\0C|*.c;*.h\0bad line\0", 29), "All|*.*|");
    EXPECT_EQ(fromSection, std::string("Text\0*.txt\0C\0*.c;*.h\0\0", 22));
    EXPECT_EQ(BuildFileFilter("", "All (*.*)|*.*|"), std::string("All (*.*)\0*.*\0\0", 15));
}

}  // namespace
