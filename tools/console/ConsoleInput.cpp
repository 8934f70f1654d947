#include "ConsoleInput.h"

namespace {

INPUT_RECORD KeyDown(wchar_t ch, WORD virtualKey, DWORD controlState) {
    INPUT_RECORD record{};
    record.EventType = KEY_EVENT;
    KEY_EVENT_RECORD& key = record.Event.KeyEvent;
    key.bKeyDown = TRUE;
    key.wRepeatCount = 1;
    key.wVirtualKeyCode = virtualKey;
    key.wVirtualScanCode = virtualKey ? (WORD)::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) : 0;
    key.uChar.UnicodeChar = ch;
    key.dwControlKeyState = controlState;
    return record;
}

DWORD ControlKeysNow() {
    DWORD state = 0;
    if (::GetKeyState(VK_SHIFT) & 0x8000) state |= SHIFT_PRESSED;
    if (::GetKeyState(VK_CONTROL) & 0x8000) state |= LEFT_CTRL_PRESSED;
    if (::GetKeyState(VK_MENU) & 0x8000) state |= LEFT_ALT_PRESSED;
    return state;
}

}  // namespace

std::vector<INPUT_RECORD> LineRecords(const std::wstring& text) {
    std::wstring line = text;
    if (line.empty() || line.back() != L'\r') line += L'\r';
    std::vector<INPUT_RECORD> records;
    records.reserve(line.size());
    for (wchar_t ch : line) records.push_back(ch == L'\r' ? KeyDown(ch, VK_RETURN, 0) : KeyDown(ch, 0, 0));
    return records;
}

INPUT_RECORD CharRecord(wchar_t ch) {
    if (ch == L'\r') return KeyDown(ch, VK_RETURN, 0);
    if (ch == L'\b') return KeyDown(ch, VK_BACK, 0);
    if (ch == L'\t') return KeyDown(ch, VK_TAB, 0);
    if (ch == 27) return KeyDown(ch, VK_ESCAPE, 0);
    // A control character (Ctrl+C is 3) is its letter's key with Ctrl held.
    if (ch >= 1 && ch <= 26) return KeyDown(ch, (WORD)('A' + ch - 1), LEFT_CTRL_PRESSED);
    const SHORT scan = ::VkKeyScanW(ch);
    DWORD state = 0;
    WORD virtualKey = 0;
    if (scan != -1) {
        virtualKey = LOBYTE(scan);
        if (HIBYTE(scan) & 1) state |= SHIFT_PRESSED;
    }
    return KeyDown(ch, virtualKey, state);
}

bool NavigationKeyRecord(UINT virtualKey, LPARAM keyData, INPUT_RECORD& record) {
    const bool navigation = (virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN) || virtualKey == VK_INSERT ||
                            virtualKey == VK_DELETE || (virtualKey >= VK_F1 && virtualKey <= VK_F12);
    if (!navigation) return false;
    DWORD state = ControlKeysNow();
    if (keyData & (1 << 24)) state |= ENHANCED_KEY;
    record = KeyDown(0, (WORD)virtualKey, state);
    return true;
}
