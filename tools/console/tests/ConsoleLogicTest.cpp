// The records a line and a typed key become.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleInput.h"

namespace {

std::wstring Characters(const std::vector<INPUT_RECORD>& records) {
    std::wstring text;
    for (const INPUT_RECORD& record : records) text += record.Event.KeyEvent.uChar.UnicodeChar;
    return text;
}

TEST(ConsoleInput, ALineEndsInOneEnterKey) {
    const struct {
        const wchar_t* text;
        const wchar_t* typed;
    } rows[] = {
        {L"echo ok", L"echo ok\r"},
        {L"echo ok\r", L"echo ok\r"},
        {L"", L"\r"},
        {L"a\rb", L"a\rb\r"},
    };
    for (const auto& row : rows) {
        const std::vector<INPUT_RECORD> records = LineRecords(row.text);
        EXPECT_EQ(row.typed, Characters(records));
        for (const INPUT_RECORD& record : records) {
            const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
            EXPECT_EQ(KEY_EVENT, record.EventType);
            EXPECT_TRUE(key.bKeyDown);
            EXPECT_EQ(1, key.wRepeatCount);
            EXPECT_EQ(0u, key.dwControlKeyState);
            if (key.uChar.UnicodeChar == L'\r') {
                // Without the key the console inserts the character instead of running the line.
                EXPECT_EQ(VK_RETURN, key.wVirtualKeyCode);
                EXPECT_EQ(::MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC), key.wVirtualScanCode);
                EXPECT_NE(0, key.wVirtualScanCode);
            } else {
                EXPECT_EQ(0, key.wVirtualKeyCode);
            }
        }
    }
    // Characters beyond ASCII stay whole.
    EXPECT_EQ(L"echo \x67E5\x627E\r", Characters(LineRecords(L"echo \x67E5\x627E")));
}

TEST(ConsoleInput, TypedKeys) {
    const struct {
        wchar_t ch;
        WORD key;
        DWORD control;
    } rows[] = {
        {L'\r', VK_RETURN, 0}, {L'\b', VK_BACK, 0}, {L'\t', VK_TAB, 0}, {27, VK_ESCAPE, 0},
        {3, 'C', LEFT_CTRL_PRESSED}, {L'a', 'A', 0}, {L'A', 'A', SHIFT_PRESSED}, {L'1', '1', 0},
    };
    for (const auto& row : rows) {
        const INPUT_RECORD record = CharRecord(row.ch);
        EXPECT_EQ(row.ch, record.Event.KeyEvent.uChar.UnicodeChar);
        EXPECT_EQ(row.key, record.Event.KeyEvent.wVirtualKeyCode) << (int)row.ch;
        EXPECT_EQ(row.control, record.Event.KeyEvent.dwControlKeyState) << (int)row.ch;
        EXPECT_TRUE(record.Event.KeyEvent.bKeyDown);
    }
    INPUT_RECORD record{};
    ASSERT_TRUE(NavigationKeyRecord(VK_LEFT, 1 << 24, record));
    EXPECT_EQ(VK_LEFT, record.Event.KeyEvent.wVirtualKeyCode);
    EXPECT_EQ(0, record.Event.KeyEvent.uChar.UnicodeChar);
    EXPECT_TRUE(record.Event.KeyEvent.dwControlKeyState & ENHANCED_KEY);
    EXPECT_TRUE(NavigationKeyRecord(VK_F7, 0, record));
    EXPECT_FALSE(NavigationKeyRecord('A', 0, record));
    EXPECT_FALSE(NavigationKeyRecord(VK_RETURN, 0, record));
}

}  // namespace
