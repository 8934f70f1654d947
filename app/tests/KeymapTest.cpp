// The key file's codec and validity, the modifier conversions and the
// shortcut texts: pure logic.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Keymap.h"
#include "TempFolder.h"

namespace {

std::vector<uint8_t> KeyFile(int32_t count, size_t entryBytes) {
    std::vector<uint8_t> bytes(4 + entryBytes, 0);
    for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = uint8_t(uint32_t(count) >> (8 * i));
    return bytes;
}

TEST(KeymapFile, ValidityAsATable) {
    struct Row {
        const char* name;
        std::vector<uint8_t> bytes;
        bool valid;
    } rows[] = {
        {"10 entries in 64 bytes", KeyFile(10, 60), true},
        {"no entries", KeyFile(0, 0), true},
        {"999 entries", KeyFile(999, 6 * 999), true},
        {"one byte appended", KeyFile(10, 61), false},
        {"one byte short", KeyFile(10, 59), false},
        {"count 1000", KeyFile(1000, 6000), false},
        {"negative count", KeyFile(-1, 0), false},
        // 4 + 6N wraps to 8 in 32 bits for this N.
        {"negative count that wraps onto the size", KeyFile(-715827882, 4), false},
        {"under 4 bytes", std::vector<uint8_t>{1, 0, 0}, false},
        {"empty", std::vector<uint8_t>{}, false},
    };
    for (const Row& row : rows) {
        std::vector<ACCEL> entries(1);
        EXPECT_EQ(row.valid, ParseKeymap(row.bytes, entries)) << row.name;
        if (!row.valid) {
            EXPECT_TRUE(entries.empty()) << row.name;
        }
    }
}

TEST(KeymapFile, ParsesLittleEndianEntries) {
    const std::vector<uint8_t> bytes = {2, 0, 0, 0,  0x09, 0, 0x74, 0, 0x2D, 0x01,  0x15, 0, 'K', 0, 0xE8, 0x03};
    std::vector<ACCEL> entries;
    ASSERT_TRUE(ParseKeymap(bytes, entries));
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(FVIRTKEY | FCONTROL, entries[0].fVirt);
    EXPECT_EQ(VK_F5, entries[0].key);
    EXPECT_EQ(0x12D, entries[0].cmd);
    EXPECT_EQ(FVIRTKEY | FSHIFT | FALT, entries[1].fVirt);
    EXPECT_EQ('K', entries[1].key);
    EXPECT_EQ(1000, entries[1].cmd);
}

TEST(KeymapFile, WriterSkipsToolCommandsAndRoundTrips) {
    const std::vector<CommandKeys> commands = {
        {100, {{'N', kHotKeyCtrl}, {VK_HOME, kHotKeyCtrl | kHotKeyShift | kHotKeyExtended}}},
        {600, {{'T', kHotKeyAlt}}},
        {679, {{'U', kHotKeyAlt}}},
        {680, {{VK_F7, kHotKeyAlt | kHotKeyCtrl}}},
        {599, {}},
    };
    const std::vector<uint8_t> bytes = EncodeKeymap(commands);
    ASSERT_EQ(4u + 6 * 3, bytes.size());
    // Raw bytes: count, then flags, pad, key, command.
    const std::vector<uint8_t> first = {3, 0, 0, 0, FVIRTKEY | FCONTROL, 0, 'N', 0, 100, 0};
    EXPECT_EQ(first, std::vector<uint8_t>(bytes.begin(), bytes.begin() + 10));

    TempFolder folder;
    const std::string path = folder.File("keymap.key");
    ASSERT_TRUE(WriteKeymapFile(path, commands));
    std::vector<uint8_t> read;
    ASSERT_TRUE(ReadKeymapFile(path, read));
    EXPECT_EQ(bytes, read);
    std::vector<ACCEL> entries;
    ASSERT_TRUE(ParseKeymap(read, entries));
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(FVIRTKEY | FCONTROL | FSHIFT, entries[1].fVirt);
    EXPECT_EQ(VK_HOME, entries[1].key);
    EXPECT_EQ(FVIRTKEY | FALT | FCONTROL, entries[2].fVirt);
    EXPECT_EQ(680, entries[2].cmd);
}

TEST(KeymapFile, WriterKeepsTenShortcutsPerCommand) {
    CommandKeys many{200, {}};
    for (WORD key = 'A'; key < 'A' + 12; ++key) many.keys.push_back({key, kHotKeyCtrl});
    EXPECT_EQ(4u + 6 * 10, EncodeKeymap({many}).size());
}

TEST(KeymapFile, FailedWriteLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.File("keymap.key");
    folder.Write("keymap.key", std::string("\x01\0\0\0\x09\0N\0d\0", 10));
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteKeymapFile(path, {{100, {{'O', kHotKeyCtrl}}}}));
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(std::string("\x01\0\0\0\x09\0N\0d\0", 10), folder.Read("keymap.key"));
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(ReadKeymapFile(folder.File("missing.key"), bytes));
}

TEST(KeymapModifiers, ConvertBothWays) {
    EXPECT_EQ(kHotKeyShift | kHotKeyCtrl | kHotKeyAlt, HotKeyModifiersFromAccel(FVIRTKEY | FSHIFT | FCONTROL | FALT));
    EXPECT_EQ(0, HotKeyModifiersFromAccel(FVIRTKEY | FNOINVERT));
    EXPECT_EQ(1, AccelFlagsFromHotKey(0));
    EXPECT_EQ(17, AccelFlagsFromHotKey(kHotKeyAlt));
    EXPECT_EQ(FVIRTKEY | FCONTROL | FSHIFT, AccelFlagsFromHotKey(kHotKeyCtrl | kHotKeyShift | kHotKeyExtended));
}

TEST(AcceleratorText, PrefixesInOrderThenOurKeyNames) {
    struct Row {
        WORD key;
        uint8_t modifiers;
        const char* text;
    } rows[] = {
        {VK_HOME, kHotKeyCtrl | kHotKeyShift, "Ctrl+Shift+Home"},
        {VK_F5, 0, "F5"},
        {0, 0, ""},
        {'K', kHotKeyAlt | kHotKeyShift | kHotKeyCtrl, "Ctrl+Shift+Alt+K"},
        {VK_PRIOR, 0, "Page Up"},
        {VK_ADD, kHotKeyCtrl, "Ctrl+Num +"},
        {VK_DELETE, kHotKeyShift, "Shift+Delete"},
        {VK_RETURN, kHotKeyCtrl, "Ctrl+Enter"},
        {VK_RETURN, kHotKeyExtended, "Num Enter"},
        {VK_NUMPAD7, 0, "Num 7"},
        {VK_OEM_4, kHotKeyCtrl, "Ctrl+["},
    };
    for (const Row& row : rows) EXPECT_EQ(row.text, FormatAcceleratorText(row.key, row.modifiers)) << row.key;
}

}  // namespace
