#include "Keymap.h"

#include <cstdio>
#include <memory>

#include "ReplacingFile.h"

namespace {

constexpr size_t kEntrySize = 6;

uint32_t ReadLe32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t ReadLe16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

void AppendLe16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void PutLe32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

struct KeyNameEntry {
    WORD key;
    const char* name;
};

// Names in the style the menus of the resources use.
const KeyNameEntry kKeyNames[] = {
    {VK_BACK, "Backspace"},  {VK_TAB, "Tab"},        {VK_RETURN, "Enter"},      {VK_PAUSE, "Pause"},
    {VK_CAPITAL, "Caps Lock"}, {VK_ESCAPE, "Esc"},   {VK_SPACE, "Space"},       {VK_PRIOR, "Page Up"},
    {VK_NEXT, "Page Down"},  {VK_END, "End"},        {VK_HOME, "Home"},         {VK_LEFT, "Left"},
    {VK_UP, "Up"},           {VK_RIGHT, "Right"},    {VK_DOWN, "Down"},         {VK_SNAPSHOT, "Print Screen"},
    {VK_INSERT, "Insert"},   {VK_DELETE, "Delete"},  {VK_APPS, "Application"},  {VK_MULTIPLY, "Num *"},
    {VK_ADD, "Num +"},       {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."},     {VK_DIVIDE, "Num /"},
    {VK_NUMLOCK, "Num Lock"}, {VK_SCROLL, "Scroll Lock"}, {VK_OEM_1, ";"},      {VK_OEM_PLUS, "="},
    {VK_OEM_COMMA, ","},     {VK_OEM_MINUS, "-"},    {VK_OEM_PERIOD, "."},      {VK_OEM_2, "/"},
    {VK_OEM_3, "`"},         {VK_OEM_4, "["},        {VK_OEM_5, "\\"},          {VK_OEM_6, "]"},
    {VK_OEM_7, "'"},
};

// The keys that have an extended scan code whatever the modifiers say.
bool IsExtendedKey(WORD key) { return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE; }

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

uint8_t HotKeyModifiersFromAccel(BYTE flags) {
    uint8_t modifiers = 0;
    if (flags & FSHIFT) modifiers |= kHotKeyShift;
    if (flags & FCONTROL) modifiers |= kHotKeyCtrl;
    if (flags & FALT) modifiers |= kHotKeyAlt;
    return modifiers;
}

BYTE AccelFlagsFromHotKey(uint8_t modifiers) {
    BYTE flags = (modifiers & kHotKeyAlt) ? (FALT | FVIRTKEY) : FVIRTKEY;
    if (modifiers & kHotKeyCtrl) flags |= FCONTROL;
    if (modifiers & kHotKeyShift) flags |= FSHIFT;
    return flags;
}

bool ParseKeymap(const std::vector<uint8_t>& bytes, std::vector<ACCEL>& entries) {
    entries.clear();
    if (bytes.size() < 4) return false;
    // Signed and checked before the size sum, which is done in 64 bits: a
    // negative count must not wrap 4 + 6N onto the real size.
    const int32_t count = static_cast<int32_t>(ReadLe32(bytes.data()));
    if (count < 0 || count >= kKeymapMaxEntries) return false;
    if (static_cast<uint64_t>(bytes.size()) != 4 + kEntrySize * static_cast<uint64_t>(count)) return false;
    entries.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* p = bytes.data() + 4 + kEntrySize * static_cast<size_t>(i);
        ACCEL entry{};
        entry.fVirt = p[0];
        entry.key = ReadLe16(p + 2);
        entry.cmd = ReadLe16(p + 4);
        entries.push_back(entry);
    }
    return true;
}

std::vector<uint8_t> EncodeKeymap(const std::vector<CommandKeys>& commands) {
    std::vector<uint8_t> out(4, 0);
    uint32_t count = 0;
    for (const CommandKeys& command : commands) {
        if (command.command >= kFirstToolCommand && command.command <= kLastToolCommand) continue;
        size_t written = 0;
        for (const Shortcut& shortcut : command.keys) {
            if (written++ == kMaxShortcutsPerCommand) break;
            out.push_back(AccelFlagsFromHotKey(shortcut.modifiers));
            out.push_back(0);
            AppendLe16(out, shortcut.key);
            AppendLe16(out, command.command);
            ++count;
        }
    }
    PutLe32(out.data(), count);
    return out;
}

bool WriteKeymapFile(const std::string& path, const std::vector<CommandKeys>& commands) {
    const std::vector<uint8_t> bytes = EncodeKeymap(commands);
    CReplacingFile file;
    return file.Open(path) && file.Write(bytes.data(), bytes.size()) && file.Commit();
}

bool ReadKeymapFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    uint8_t block[4096];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof(block), file.get())) > 0) {
        bytes.insert(bytes.end(), block, block + got);
        // Anything this long is no key file; no need to read on.
        if (bytes.size() > 4 + kEntrySize * kKeymapMaxEntries) break;
    }
    return !std::ferror(file.get());
}

std::string GetKeyName(WORD key, bool extended) {
    if (key == VK_RETURN && extended) return "Num Enter";
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    char numbered[16];
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        std::snprintf(numbered, sizeof(numbered), "Num %d", key - VK_NUMPAD0);
        return numbered;
    }
    if (key >= VK_F1 && key <= VK_F24) {
        std::snprintf(numbered, sizeof(numbered), "F%d", key - VK_F1 + 1);
        return numbered;
    }
    for (const KeyNameEntry& entry : kKeyNames)
        if (entry.key == key) return entry.name;
    // Not in the table: the keyboard layout's name, whatever it is.
    const UINT scan = ::MapVirtualKeyExA(key, MAPVK_VK_TO_VSC, ::GetKeyboardLayout(0));
    char name[64] = {};
    const LONG lParam = static_cast<LONG>(scan << 16 | (extended ? 1u << 24 : 0u));
    if (scan && ::GetKeyNameTextA(lParam, name, sizeof(name)) > 0) return name;
    char code[16];
    std::snprintf(code, sizeof(code), "0x%02X", key);
    return code;
}

std::string FormatAcceleratorText(WORD key, uint8_t modifiers) {
    if (key == 0 && modifiers == 0) return std::string();
    std::string text;
    if (modifiers & kHotKeyCtrl) text += "Ctrl+";
    if (modifiers & kHotKeyShift) text += "Shift+";
    if (modifiers & kHotKeyAlt) text += "Alt+";
    return text + GetKeyName(key, (modifiers & kHotKeyExtended) || IsExtendedKey(key));
}
